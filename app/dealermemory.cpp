#include "dealermemory.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform.h"
#include "wholefile.h"

namespace kalmoro {

namespace {

QString dealerFile()
{
    return KeptSettingPath(QStringLiteral("dealer.json"));
}

} // namespace

// The account's configuration folder, not the one the engine's files may have moved HOME to.
QString KeptSettingPath(const QString &name)
{
    QString config = platform::AccountFolder(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        config = QDir(platform::AccountHome()).filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("kalmoro/") + name);
}

std::optional<Dealer> RememberedDealer()
{
    const WholeRead read = ReadWhole(dealerFile(), MaxJobFileBytes);
    if (!read.data)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(*read.data);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    return Dealer {object.value(QStringLiteral("company")).toString(),
        object.value(QStringLiteral("contact")).toString(), object.value(QStringLiteral("phone")).toString()};
}

QString RememberDealer(const Dealer &dealer)
{
    const QString path = dealerFile();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("无法创建文件夹 %1")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    return SaveWhole(path,
        QJsonDocument(
            QJsonObject {{QStringLiteral("company"), dealer.company},
                {QStringLiteral("contact"), dealer.contact}, {QStringLiteral("phone"), dealer.phone}})
            .toJson());
}

QString ForgetDealer()
{
    const QString path = dealerFile();
    QFile file(path);
    if (file.exists() && !file.remove())
        return file.errorString();
    // The program's folder goes with it, unless something else was put there.
    QDir().rmdir(QFileInfo(path).absolutePath());
    return {};
}

} // namespace kalmoro
