#pragma once

#include <QFont>
#include <QStringList>

namespace kalmoro {

// The families for text that goes into a PDF: copies of the regular and bold faces font resolves to,
// then the font's own families for what a copy lacks; the font's own families alone where no copy
// could be made. Chinese faces draw an ideograph and its radical form (米 and ⽶, U+7C73 and
// U+2F76) with one glyph, and Qt's PDF writer gives each glyph one character, the lowest: the PDF's
// text would read radicals. The copies map no radical, so the text reads as drawn, and they draw
// exactly what the faces draw. They are made on the first call, for the font of that call, and
// stay installed for the run.
QStringList TextLayerFamilies(const QFont &font);

} // namespace kalmoro
