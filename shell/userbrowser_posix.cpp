#include <utility>

#include <QDesktopServices>
#include <QProcess>
#include <QProcessEnvironment>
#include <QUrl>

#include "userbrowser.h"

namespace kalmoro::platform {

namespace {

class UserBrowser final : public QObject
{
    Q_OBJECT
public:
    explicit UserBrowser(QProcessEnvironment environment)
        : m_environment(std::move(environment))
    {
    }

public Q_SLOTS:
    void open(const QUrl &url)
    {
        QProcess opener;
        opener.setProgram(QStringLiteral("xdg-open"));
        opener.setArguments({url.toString(QUrl::FullyEncoded)});
        opener.setProcessEnvironment(m_environment);
        opener.startDetached();
    }

private:
    QProcessEnvironment m_environment;
};

} // namespace

void OpenWebAddressesWith(const QProcessEnvironment &user)
{
    static UserBrowser browser(user);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
}

} // namespace kalmoro::platform

#include "userbrowser_posix.moc"
