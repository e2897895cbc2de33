#pragma once

#include <map>

#include <QByteArray>
#include <QString>

// Just enough of the OpenType font format to make a copy of an installed face with another name
// and a smaller character map. All functions take the font's data as it stands on disk and give an
// empty result for data they cannot read.
namespace kalmoro::opentype {

// A table's four-character tag as the font file stores it, "cmap" as 0x636d6170.
constexpr quint32 Tag(const char (&name)[5])
{
    return quint32(quint8(name[0])) << 24 | quint32(quint8(name[1])) << 16 | quint32(quint8(name[2])) << 8
        | quint32(quint8(name[3]));
}

// The characters a 'cmap' table gives glyphs for, read from its Unicode subtable (format 12 or 4).
std::map<char32_t, quint32> CharacterMap(const QByteArray &cmap);

// A 'cmap' table with one Unicode subtable of format 12 that maps the characters of map.
QByteArray CmapTable(const std::map<char32_t, quint32> &map);

// A 'name' table that calls the face family, in style ("Regular", "Bold").
QByteArray NameTable(const QString &family, const QString &style);

// A font file holding these tables, keyed by tag, with its directory and checksums.
QByteArray FontFile(const std::map<quint32, QByteArray> &tables);

} // namespace kalmoro::opentype
