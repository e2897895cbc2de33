#include "fonts.h"

#include <cstdio>
#include <cstdlib>

#include <QFontDatabase>
#include <QStringList>

namespace kalmoro::assetgen {

namespace {

QString FamilyOf(Face face)
{
    return face == Face::Sans ? QStringLiteral("Noto Sans CJK SC") : QStringLiteral("Noto Serif CJK SC");
}

} // namespace

void RequireFonts()
{
    const QStringList installed = QFontDatabase::families();
    for (const Face face : {Face::Sans, Face::Serif}) {
        const QString family = FamilyOf(face);
        if (!installed.contains(family)) {
            std::fprintf(stderr,
                "kalmoro_assetgen: font family \"%s\" is not installed (package fonts-noto-cjk)\n",
                qPrintable(family));
            std::exit(EXIT_FAILURE);
        }
    }
}

QFont Font(Face face, int pixelSize, QFont::Weight weight)
{
    QFont font(FamilyOf(face));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

} // namespace kalmoro::assetgen
