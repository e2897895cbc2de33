#pragma once

#include <QString>

namespace kalmoro::platform {

// Keeps everything the browser engine and the libraries below it write (the engine's certificate
// database in the home folder, caches, the runtime folder) in a private temporary folder that
// goes when the process ends. Turns off Qt's and Mesa's shader disk caches and chooses the session
// bus (see SessionBusAddress). Call before the application object exists.
void UsePrivateFolder();

// Whether path, once its links are resolved, lies in the private folder: a file written there goes
// when the program ends. The file need not exist yet.
bool IsInPrivateFolder(const QString &path);

// Why there is no private folder, empty when there is one.
QString PrivateFolderFailure();

// Removes the private folder; once, however many threads ask.
void RemovePrivateFolder();

// The places a private folder may go, in the order they are tried.
struct PrivateFolderPlaces {
    // The user's runtime folder: emptied at log-out even if the program is killed outright. Taken
    // only when it is the user's own and closed to everyone else, as Qt wants it too.
    QString runtime;
    // TMPDIR, when it exists and the user may write there.
    QString temporary;
    QString fallback = QStringLiteral("/tmp");
};

struct PrivateFolder {
    QString path; // with links resolved; empty when no place takes one
    bool runtimeUsable = false; // places.runtime is fit to stay the runtime folder
    int lock = -1; // a descriptor holding the folder's lock for as long as it stays open
    QString failure; // why there is no folder
};

// Removes the stale private folders of the same user from every usable place, those whose lock no
// process holds any more (the program was killed), then makes a private folder in the first place
// that takes one. Never at the file system's root.
PrivateFolder MakePrivateFolder(const PrivateFolderPlaces &places);

} // namespace kalmoro::platform
