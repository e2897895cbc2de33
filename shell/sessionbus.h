#pragma once

#include <QByteArray>
#include <QString>

namespace kalmoro::platform {

// The session bus address the program runs with: the one set, else the user's own bus when its
// socket is in the user's runtime folder, else "disabled:". Without an address the bus library
// would launch a bus of its own, which outlives the program. The program starts no bus; services
// the user's bus starts for it (the accessibility bus) belong to the user's session.
// runtimeFolder is the user's, as it was before the program changed XDG_RUNTIME_DIR.
QByteArray SessionBusAddress(const QByteArray &set, const QString &runtimeFolder);

} // namespace kalmoro::platform
