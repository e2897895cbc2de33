#include "loopbackserver.h"

#include <QSslSocket>

namespace kalmoro::test {

LoopbackServer::LoopbackServer(QByteArray page, QObject *parent)
    : QTcpServer(parent)
    , m_page(std::move(page))
{
}

void LoopbackServer::useTls(const QSslCertificate &certificate, const QSslKey &key)
{
    m_identity.emplace(certificate, key);
}

QUrl LoopbackServer::url(const QString &path) const
{
    QUrl url;
    url.setScheme(m_identity ? QStringLiteral("https") : QStringLiteral("http"));
    url.setHost(serverAddress().toString());
    url.setPort(serverPort());
    url.setPath(path);
    return url;
}

void LoopbackServer::incomingConnection(qintptr descriptor)
{
    ++m_connections;
    if (!m_identity) {
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        serve(socket);
        return;
    }
    auto *socket = new QSslSocket(this);
    socket->setSocketDescriptor(descriptor);
    socket->setLocalCertificate(m_identity->first);
    socket->setPrivateKey(m_identity->second);
    connect(socket, &QSslSocket::errorOccurred, socket, &QObject::deleteLater);
    serve(socket);
    socket->startServerEncryption();
}

void LoopbackServer::serve(QTcpSocket *socket)
{
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        // Every request is a GET without a body: its head ends with an empty line.
        if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
            return;
        socket->readAll();
        ++m_requests;
        socket->write(m_head + "\r\nConnection: close\r\nContent-Length: " + QByteArray::number(m_page.size())
            + "\r\n\r\n" + m_page);
        socket->disconnectFromHost();
    });
}

} // namespace kalmoro::test
