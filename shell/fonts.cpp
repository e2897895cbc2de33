#include "fonts.h"

#include <QStringList>

namespace kalmoro {

namespace {
// Simplified Chinese faces first: a face chosen for Japanese or Traditional Chinese draws some
// shared characters differently and sets Latin letters and digits full width.
const QStringList &sansFaces()
{
    static const QStringList faces {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"),
        QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Micro Hei")};
    return faces;
}

const QStringList &serifFaces()
{
    static const QStringList faces {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("SimSun"),
        QStringLiteral("Source Han Serif SC"), QStringLiteral("Noto Sans CJK SC")};
    return faces;
}
} // namespace

QFont UiFont()
{
    return LayoutFont(u"", 12);
}

QFont LayoutFont(std::u16string_view face, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(face == u"SimSun" ? serifFaces() : sansFaces());
    // The serif face sets only the main tab's titles, Chinese characters drawn as they are mapped:
    // without shaping they look the same, and the face's layout tables (about 0.6 MB) stay unread.
    if (face == u"SimSun")
        font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace kalmoro
