#pragma once

#include <QString>
#include <QUrl>

// Everything that differs between the desktops Kalmoro runs on lives behind these functions.
namespace kalmoro::platform {

// Settings that must be in place before the application object exists, for the browser engine:
// its sandbox cannot start for a process running as root.
void PrepareProcess();

// Whether PrepareProcess ran in this process. The browser engine is only started where it did:
// elsewhere (tests of widgets) it would start with a sandbox that cannot run.
bool IsProcessPrepared();

// Waits for what PrepareProcess started in the background for the first frame. Called before the
// first widget is made; does nothing where PrepareProcess did not run or started nothing.
void AwaitPreparation();

// The folder holding the program file, with symbolic links resolved and no trailing separator.
QString ProgramDirectory();

// Whether the program may place its own top-level window. Where it may not (Wayland), a drag
// must hand the move to the window system.
bool CanPlaceOwnWindow();

// Hands url to the desktop's default web browser; whether that worked is not reported.
void OpenInDefaultBrowser(const QUrl &url);

// Where files the user saves are offered first: the Pictures folder in the home that the user's
// account gives, or that home when there is none. The engine's files may move HOME elsewhere; the
// user's own files stay at home.
QString PicturesDirectory();

} // namespace kalmoro::platform
