#pragma once

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kalmoro {

// Installs one of Qt's own translation catalogues ("qtbase", "qtwebengine") in the default locale's
// language for as long as owner lives; nothing happens where the catalogue is not installed.
inline void InstallQtTranslation(QObject *owner, const QString &catalogue)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(
            QLocale(), catalogue, QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    translator->setParent(owner);
    QCoreApplication::installTranslator(translator.release());
}

} // namespace kalmoro
