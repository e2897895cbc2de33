#include "textlayerfonts.h"

#include <QFontDatabase>
#include <QRawFont>

#include "opentype.h"

namespace kalmoro {

namespace {

using opentype::Tag;

const QString kFamily = QStringLiteral("Kalmoro Text Layer");

// The CJK Radicals Supplement and the Kangxi Radicals.
constexpr char32_t kFirstRadical = 0x2E80;
constexpr char32_t kLastRadical = 0x2FDF;

// Every table a face may need to draw and lay out text the same way; what a face lacks is skipped.
constexpr quint32 kTables[] = {Tag("BASE"), Tag("CFF "), Tag("CFF2"), Tag("GDEF"), Tag("GPOS"), Tag("GSUB"),
    Tag("OS/2"), Tag("VORG"), Tag("cvt "), Tag("fpgm"), Tag("gasp"), Tag("glyf"), Tag("head"), Tag("hhea"),
    Tag("hmtx"), Tag("kern"), Tag("loca"), Tag("maxp"), Tag("post"), Tag("prep"), Tag("vhea"), Tag("vmtx")};

// The face font resolves to, with its name and character map replaced; empty when it cannot be read.
QByteArray copyOf(const QFont &font, const QString &style)
{
    const QRawFont face = QRawFont::fromFont(font);
    std::map<char32_t, quint32> characters = opentype::CharacterMap(face.fontTable("cmap"));
    if (characters.empty())
        return {};
    characters.erase(characters.lower_bound(kFirstRadical), characters.upper_bound(kLastRadical));
    std::map<quint32, QByteArray> tables;
    for (const quint32 tag : kTables) {
        const char name[] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag), '\0'};
        if (const QByteArray table = face.fontTable(name); !table.isEmpty())
            tables[tag] = table;
    }
    tables[Tag("cmap")] = opentype::CmapTable(characters);
    tables[Tag("name")] = opentype::NameTable(kFamily, style);
    return opentype::FontFile(tables);
}

} // namespace

TextLayerFonts::TextLayerFonts(const QFont &font)
{
    for (const bool bold : {false, true}) {
        QFont face = font;
        face.setBold(bold);
        const QByteArray copy = copyOf(face, bold ? QStringLiteral("Bold") : QStringLiteral("Regular"));
        if (const int id = copy.isEmpty() ? -1 : QFontDatabase::addApplicationFontFromData(copy); id >= 0)
            m_installed << id;
    }
    if (m_installed.size() == 2)
        m_families << kFamily;
    m_families << font.families();
}

TextLayerFonts::~TextLayerFonts()
{
    for (const int id : m_installed)
        QFontDatabase::removeApplicationFont(id);
}

} // namespace kalmoro
