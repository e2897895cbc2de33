#include "roomtypememory.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "dealermemory.h"
#include "job.h"
#include "wholefile.h"

namespace kalmoro {

namespace {

QString typesFile()
{
    return KeptSettingPath(QStringLiteral("room-types.json"));
}

} // namespace

QList<OwnRoomType> RememberedRoomTypes()
{
    const WholeRead read = ReadWhole(typesFile(), MaxJobFileBytes);
    if (!read.data)
        return {};
    QList<OwnRoomType> types;
    const QJsonArray kept = QJsonDocument::fromJson(*read.data).object().value(u"types").toArray();
    for (const QJsonValue &entry : kept) {
        const QString name = entry.toObject().value(u"name").toString();
        const rooms::CellValue index = rooms::ReadIndex(entry.toObject().value(u"index").toString());
        if (!name.trimmed().isEmpty() && name.size() <= MaxTextLength && index.value
            && types.size() < MaxOwnRoomTypes)
            types.append({name, *index.value});
    }
    return types;
}

QString RememberRoomTypes(const QList<OwnRoomType> &types)
{
    const QString path = typesFile();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("无法创建文件夹 %1")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    QJsonArray kept;
    for (const OwnRoomType &type : types) {
        kept.append(QJsonObject {{QStringLiteral("name"), type.name},
            {QStringLiteral("index"), FormatDecimal(type.index, rooms::CentiDecimals, 0)}});
    }
    return SaveWhole(path, QJsonDocument(QJsonObject {{QStringLiteral("types"), kept}}).toJson());
}

QString ForgetRoomTypes()
{
    const QString path = typesFile();
    QFile file(path);
    if (file.exists() && !file.remove())
        return file.errorString();
    // The program's folder goes with it, unless something else is kept there.
    QDir().rmdir(QFileInfo(path).absolutePath());
    return {};
}

bool RoomTypesRemembered()
{
    return QFile::exists(typesFile());
}

} // namespace kalmoro
