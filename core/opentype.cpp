#include "opentype.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include <QtEndian>

namespace kalmoro::opentype {

namespace {

// Big-endian numbers at offsets of a table, nothing when they lie outside it.
class Reader
{
public:
    explicit Reader(const QByteArray &data)
        : m_data(data)
    {
    }

    template <typename T> std::optional<T> at(qsizetype offset) const
    {
        if (offset < 0 || offset > m_data.size() - qsizetype(sizeof(T)))
            return std::nullopt;
        return qFromBigEndian<T>(m_data.constData() + offset);
    }

private:
    const QByteArray &m_data;
};

template <typename T> void append(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToBigEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

template <typename T> void put(QByteArray &out, qsizetype offset, T value)
{
    qToBigEndian(value, out.data() + offset);
}

constexpr quint16 kFormat4 = 4;
constexpr quint16 kFormat12 = 12;
// Subtables that give Unicode characters: platform 0 (any encoding) and Windows' 3/1 and 3/10.
constexpr quint16 kUnicodePlatform = 0;
constexpr quint16 kWindowsPlatform = 3;
constexpr quint16 kWindowsBmp = 1;
constexpr quint16 kWindowsFull = 10;
constexpr quint16 kUnicodeFull = 4;

std::map<char32_t, quint32> format12(const Reader &table, qsizetype start)
{
    std::map<char32_t, quint32> map;
    const auto groups = table.at<quint32>(start + 12);
    // A character has one glyph: more groups than characters is a broken table.
    constexpr quint32 kMaxGroups = 0x110000;
    if (!groups || *groups > kMaxGroups)
        return {};
    for (quint32 group = 0; group < *groups; ++group) {
        const qsizetype at = start + 16 + qsizetype(group) * 12;
        const auto first = table.at<quint32>(at);
        const auto last = table.at<quint32>(at + 4);
        const auto glyph = table.at<quint32>(at + 8);
        if (!first || !last || !glyph || *last < *first || *last >= kMaxGroups)
            return {};
        for (quint32 character = *first; character <= *last; ++character)
            map[character] = *glyph + (character - *first);
    }
    return map;
}

std::map<char32_t, quint32> format4(const Reader &table, qsizetype start)
{
    std::map<char32_t, quint32> map;
    const auto doubledSegments = table.at<quint16>(start + 6);
    if (!doubledSegments)
        return {};
    const qsizetype segments = *doubledSegments / 2;
    const qsizetype ends = start + 14;
    const qsizetype starts = ends + 2 * segments + 2;
    const qsizetype deltas = starts + 2 * segments;
    const qsizetype rangeOffsets = deltas + 2 * segments;
    for (qsizetype segment = 0; segment < segments; ++segment) {
        const auto last = table.at<quint16>(ends + 2 * segment);
        const auto first = table.at<quint16>(starts + 2 * segment);
        const auto delta = table.at<quint16>(deltas + 2 * segment);
        const qsizetype rangeAt = rangeOffsets + 2 * segment;
        const auto rangeOffset = table.at<quint16>(rangeAt);
        if (!last || !first || !delta || !rangeOffset)
            return {};
        // The last segment maps 0xFFFF to nothing, by the format's rule.
        for (quint32 character = *first; character <= *last && character != 0xFFFF; ++character) {
            quint16 glyph = 0;
            if (*rangeOffset == 0) {
                glyph = quint16(character + *delta);
            } else {
                const auto indexed = table.at<quint16>(rangeAt + *rangeOffset + 2 * (character - *first));
                if (!indexed)
                    return {};
                glyph = *indexed == 0 ? 0 : quint16(*indexed + *delta);
            }
            if (glyph != 0)
                map[character] = glyph;
        }
    }
    return map;
}

quint32 checksum(const QByteArray &data)
{
    quint32 sum = 0;
    for (qsizetype at = 0; at < data.size(); at += 4) {
        char word[4] = {};
        std::copy_n(data.constData() + at, std::min<qsizetype>(4, data.size() - at), word);
        sum += qFromBigEndian<quint32>(word);
    }
    return sum;
}

} // namespace

std::map<char32_t, quint32> CharacterMap(const QByteArray &cmap)
{
    const Reader table(cmap);
    const auto count = table.at<quint16>(2);
    if (!count)
        return {};
    // The full repertoire where the font has it, else the basic plane.
    std::optional<qsizetype> full;
    std::optional<qsizetype> basic;
    for (quint16 record = 0; record < *count; ++record) {
        const qsizetype at = 4 + 8 * record;
        const auto platform = table.at<quint16>(at);
        const auto encoding = table.at<quint16>(at + 2);
        const auto offset = table.at<quint32>(at + 4);
        if (!platform || !encoding || !offset)
            return {};
        const auto format = table.at<quint16>(*offset);
        const bool unicode = *platform == kUnicodePlatform
            || (*platform == kWindowsPlatform && (*encoding == kWindowsBmp || *encoding == kWindowsFull));
        if (!unicode || !format)
            continue;
        if (*format == kFormat12 && !full)
            full = *offset;
        if (*format == kFormat4 && !basic)
            basic = *offset;
    }
    if (full)
        return format12(table, *full);
    if (basic)
        return format4(table, *basic);
    return {};
}

QByteArray CmapTable(const std::map<char32_t, quint32> &map)
{
    // Runs of characters with consecutive glyphs, one group each.
    std::vector<std::array<quint32, 3>> groups;
    for (const auto &[character, glyph] : map) {
        if (!groups.empty() && groups.back()[1] + 1 == character
            && groups.back()[2] + (character - groups.back()[0]) == glyph) {
            groups.back()[1] = character;
        } else {
            groups.push_back({quint32(character), quint32(character), glyph});
        }
    }
    constexpr quint16 kRecords = 2;
    constexpr quint32 kSubtableOffset = 4 + 8 * kRecords;
    QByteArray out;
    append<quint16>(out, 0);
    append<quint16>(out, kRecords);
    // Both records name the one subtable.
    for (const auto &[platform, encoding] :
        {std::pair {kUnicodePlatform, kUnicodeFull}, std::pair {kWindowsPlatform, kWindowsFull}}) {
        append<quint16>(out, platform);
        append<quint16>(out, encoding);
        append<quint32>(out, kSubtableOffset);
    }
    append<quint16>(out, kFormat12);
    append<quint16>(out, 0);
    append<quint32>(out, quint32(16 + 12 * groups.size()));
    append<quint32>(out, 0);
    append<quint32>(out, quint32(groups.size()));
    for (const auto &[first, last, glyph] : groups) {
        append<quint32>(out, first);
        append<quint32>(out, last);
        append<quint32>(out, glyph);
    }
    return out;
}

QByteArray NameTable(const QString &family, const QString &style)
{
    // Family, style, unique name, full name and PostScript name, for Windows' Unicode in US English.
    const QString full = family + u' ' + style;
    const QString postScript = QString(family).remove(u' ') + u'-' + QString(style).remove(u' ');
    const std::pair<quint16, QString> names[]
        = {{1, family}, {2, style}, {3, postScript}, {4, full}, {6, postScript}};
    constexpr quint16 kUsEnglish = 0x0409;
    const quint16 count = std::size(names);
    QByteArray out;
    QByteArray strings;
    append<quint16>(out, 0);
    append<quint16>(out, count);
    append<quint16>(out, quint16(6 + 12 * count));
    for (const auto &[id, text] : names) {
        QByteArray utf16;
        for (const QChar unit : text)
            append<quint16>(utf16, unit.unicode());
        append<quint16>(out, kWindowsPlatform);
        append<quint16>(out, kWindowsBmp);
        append<quint16>(out, kUsEnglish);
        append<quint16>(out, id);
        append<quint16>(out, quint16(utf16.size()));
        append<quint16>(out, quint16(strings.size()));
        strings += utf16;
    }
    return out + strings;
}

QByteArray FontFile(const std::map<quint32, QByteArray> &tables)
{
    // Outlines in a CFF table make an OpenType font, others a TrueType one.
    constexpr quint32 kOpenType = 0x4F54544F;
    constexpr quint32 kTrueType = 0x00010000;
    // The font's checksum, as head keeps it: this less the sum of the whole file.
    constexpr quint32 kChecksumMagic = 0xB1B0AFBA;
    const quint16 count = quint16(tables.size());
    quint16 power = 1;
    quint16 log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    QByteArray out;
    append<quint32>(out, tables.contains(Tag("CFF ")) ? kOpenType : kTrueType);
    append<quint16>(out, count);
    append<quint16>(out, quint16(power * 16));
    append<quint16>(out, log);
    append<quint16>(out, quint16(count * 16 - power * 16));
    qsizetype offset = out.size() + 16 * count;
    qsizetype headAt = -1;
    for (const auto &[tag, data] : tables) {
        QByteArray table = data;
        if (tag == Tag("head") && table.size() >= 12)
            put<quint32>(table, 8, 0);
        append<quint32>(out, tag);
        append<quint32>(out, checksum(table));
        append<quint32>(out, quint32(offset));
        append<quint32>(out, quint32(table.size()));
        if (tag == Tag("head"))
            headAt = offset;
        offset += (table.size() + 3) & ~qsizetype(3);
    }
    for (const auto &[tag, data] : tables) {
        out += data;
        out.append((4 - data.size() % 4) % 4, '\0');
    }
    if (headAt >= 0 && out.size() >= headAt + 12) {
        put<quint32>(out, headAt + 8, 0);
        put<quint32>(out, headAt + 8, kChecksumMagic - checksum(out));
    }
    return out;
}

} // namespace kalmoro::opentype
