#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform.h"

namespace kalmoro::platform {

namespace {

// Long enough for a display across a network link, short enough that a wrong address does not
// leave the user waiting.
constexpr int kConnectTimeoutMs = 2'000;
// X displays listen on TCP port 6000 + their number.
constexpr int kX11TcpBase = 6000;

// Whether a local socket listens at path (an abstract one with a leading '@').
bool localSocketListens(const QByteArray &path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    if (address.sun_path[0] == '@')
        address.sun_path[0] = '\0';
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const auto length
        = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + static_cast<std::size_t>(path.size()));
    const bool listens = ::connect(socket, reinterpret_cast<const sockaddr *>(&address), length) == 0;
    ::close(socket);
    return listens;
}

// Whether something accepts a TCP connection at host and port within the timeout.
bool tcpPortListens(const QByteArray &host, int port)
{
    addrinfo hints = {};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    bool listens = false;
    for (const addrinfo *entry = found; entry && !listens; entry = entry->ai_next) {
        const int socket = ::socket(entry->ai_family, entry->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (socket < 0)
            continue;
        if (::connect(socket, entry->ai_addr, entry->ai_addrlen) == 0) {
            listens = true;
        } else if (errno == EINPROGRESS) {
            pollfd wait = {socket, POLLOUT, 0};
            int error = 0;
            socklen_t size = sizeof error;
            listens = ::poll(&wait, 1, kConnectTimeoutMs) == 1
                && ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
        }
        ::close(socket);
    }
    ::freeaddrinfo(found);
    return listens;
}

// Whether the X display named as DISPLAY names it ("[host]:number[.screen]") accepts connections.
bool x11DisplayAnswers(const QByteArray &display)
{
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    QByteArray host = display.left(colon);
    const QByteArray number = display.mid(colon + 1).split('.').value(0);
    bool isNumber = false;
    const int displayNumber = number.toInt(&isNumber);
    if (!isNumber)
        return false;
    if (host.isEmpty() || host == "unix") {
        const QByteArray path = "/tmp/.X11-unix/X" + number;
        return localSocketListens(path) || localSocketListens('@' + path);
    }
    if (host.startsWith('/'))
        return localSocketListens(display);
    return tcpPortListens(host, kX11TcpBase + displayNumber);
}

bool waylandDisplayAnswers(const QByteArray &display)
{
    if (display.startsWith('/'))
        return localSocketListens(display);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && localSocketListens(runtime + '/' + display);
}

} // namespace

QString DisplayRefusal(const QString &chosenPlatform)
{
    // Qt's platforms are tried in the order given; one that draws on no display (offscreen, VNC,
    // the framebuffer) is the user's to judge.
    const QString chosen
        = chosenPlatform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : chosenPlatform;
    const QStringList platforms = chosen.isEmpty()
        ? QStringList {QStringLiteral("wayland"), QStringLiteral("xcb")}
        : chosen.split(u';', Qt::SkipEmptyParts);
    for (const QString &platform : platforms) {
        const QString name = platform.section(u':', 0, 0);
        if (name.startsWith(u"wayland")) {
            if (const QByteArray display = qgetenv("WAYLAND_DISPLAY");
                !display.isEmpty() && waylandDisplayAnswers(display))
                return {};
        } else if (name == u"xcb") {
            if (const QByteArray display = qgetenv("DISPLAY");
                !display.isEmpty() && x11DisplayAnswers(display))
                return {};
        } else {
            return {};
        }
    }
    return QStringLiteral("Kalmoro 需要图形桌面：未找到可用的显示（DISPLAY / WAYLAND_DISPLAY）。\n"
                          "Kalmoro needs a graphical desktop: no usable display was found (DISPLAY / "
                          "WAYLAND_DISPLAY).");
}

} // namespace kalmoro::platform
