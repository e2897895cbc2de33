#pragma once

#include <optional>
#include <utility>

#include <QByteArray>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <QUrl>

namespace kalmoro::test {

// A tiny web server on 127.0.0.1 that answers every request with one fixed HTML page, over
// plain HTTP or, once given a certificate, over TLS.
class LoopbackServer final : public QTcpServer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LoopbackServer)
public:
    explicit LoopbackServer(QByteArray page, QObject *parent = nullptr);

    void useTls(const QSslCertificate &certificate, const QSslKey &key);
    // The status line and headers of every answer, without the length and the closing line.
    void setHead(QByteArray head) { m_head = std::move(head); }
    bool start() { return listen(QHostAddress::LocalHost); }
    QUrl url(const QString &path) const;

    int connections() const { return m_connections; }
    int requests() const { return m_requests; }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void serve(QTcpSocket *socket);

    QByteArray m_page;
    QByteArray m_head = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8";
    // Only once given: an empty certificate or key already loads the TLS library, which a plain
    // server, such as the one a memory benchmark measures beside, should not.
    std::optional<std::pair<QSslCertificate, QSslKey>> m_identity;
    int m_connections = 0;
    int m_requests = 0;
};

} // namespace kalmoro::test
