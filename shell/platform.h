#pragma once

#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QUrl>

// Everything that differs between the desktops Kalmoro runs on lives behind these functions.
namespace kalmoro::platform {

// Why the program cannot show its window here, in Chinese and in English, naming DISPLAY and
// WAYLAND_DISPLAY: no display of the platforms Qt would try answers. chosenPlatform is the value of
// -platform, else QT_QPA_PLATFORM is read; a platform without a display is taken as it is. Empty
// when the window can be shown. Asked before anything is created, so that a start without a desktop
// leaves nothing behind.
QString DisplayRefusal(const QString &chosenPlatform);

// Settings that must be in place before the application object exists, for the browser engine:
// its sandbox cannot start for a process running as root.
void PrepareProcess();

// Lets the signals that ask the program to end (where there are such) end the application's event
// loop at once, without asking about unsaved changes. Call once the application object exists.
void QuitOnTerminationSignals();

// From now on the process ends within a few seconds, with status, even when a thread never
// returns. Called once the main window has closed.
void EnsureProcessEnds(int status);

// From now on, an exit that a library calls while the application object still exists (Qt's does
// when the display is lost) ends the process at once with its status, once the private folder is
// removed: tearing the browser engine down under its live pages would crash. Call once the engine
// is loaded; the first call counts.
void EndAtOnceOnExitWhileRunning();

// Why the browser engine must not start in this prepared process, with its reason in the user's
// words: its files would stay behind in the user's home. Empty when it may start.
QString BrowserEngineRefusal();

// Whether PrepareProcess ran in this process. The browser engine is only started where it did:
// elsewhere (tests of widgets) it would start with a sandbox that cannot run.
bool IsProcessPrepared();

// Waits for what PrepareProcess started in the background for the first frame. Called once the
// window is shown, before anything lays out text; does nothing where PrepareProcess did not run or
// started nothing.
void AwaitPreparation();

// Lowers the calling thread's priority below the GUI thread's: for a helper thread whose work the
// GUI thread may wait for, but which should not take a core from it while it can go on. Changes
// nothing where threads have no priority of their own.
void LowerThreadPriority();

// The folder holding the program file, with symbolic links resolved and no trailing separator.
QString ProgramDirectory();

// The folders the brand browsers look their pages up in, first to last: the user's own (always
// there, if not yet made), those the desktop shares among its accounts, then programFolder, the
// program's own. The first that holds a file serves it, file by file, so that a dealer's pages need
// no write access to the program's folder and outlive its upgrades. Found from the user's
// environment as the program started, before it moved HOME.
QStringList PageFolders(const QString &programFolder);

// Whether the program may place its own top-level window. Where it may not (Wayland), a drag
// must hand the move to the window system.
bool CanPlaceOwnWindow();

// Hands url to the desktop's default web browser; whether that worked is not reported.
void OpenInDefaultBrowser(const QUrl &url);

// Shows folder in the desktop's file manager; whether that worked is not reported.
void ShowFolder(const QString &folder);

// A folder the desktop names for the account (Pictures, Documents, ...), found from the account's
// own home: the engine's files may move HOME elsewhere, the user's own files stay at home. Empty
// when the folder does not exist or would go when the program ends.
QString AccountFolder(QStandardPaths::StandardLocation location);

// The account's home, as its account entry gives it.
QString AccountHome();

// Whether a file written at path would go when the program ends: it lies, once links are
// resolved, in the folder the program keeps the engine's files in.
bool IsRemovedAtExit(const QString &path);

} // namespace kalmoro::platform
