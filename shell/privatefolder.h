#pragma once

#include <QString>

namespace kalmoro::platform {

// Keeps everything the browser engine and the libraries below it write (the engine's certificate
// database in the home folder, caches, the runtime folder) in a private temporary folder that
// goes when the process ends. Turns off Qt's and Mesa's shader disk caches and keeps Qt from
// starting a session bus when there is none. Call before the application object exists.
void UsePrivateFolder();

// Whether path, once its links are resolved, lies in the private folder: a file written there goes
// when the program ends. The file need not exist yet.
bool IsInPrivateFolder(const QString &path);

} // namespace kalmoro::platform
