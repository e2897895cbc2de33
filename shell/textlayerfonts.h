#pragma once

#include <QFont>
#include <QList>
#include <QStringList>

namespace kalmoro {

// Copies of the regular and bold faces a font resolves to, installed for as long as this lives,
// for text that goes into a PDF. Chinese faces draw an ideograph and its radical form (米 and ⽶,
// U+7C73 and U+2F76) with one glyph, and Qt's PDF writer gives each glyph one character, the
// lowest: the PDF's text would read radicals. The copies map no radical, so the text reads as
// drawn, and they draw exactly what the faces draw.
class TextLayerFonts final
{
    Q_DISABLE_COPY_MOVE(TextLayerFonts)
public:
    explicit TextLayerFonts(const QFont &font);
    ~TextLayerFonts();

    // The copies' family, then the font's own families for what a copy lacks; the font's own
    // families alone where no copy could be made.
    QStringList families() const { return m_families; }

private:
    QList<int> m_installed;
    QStringList m_families;
};

} // namespace kalmoro
