#include <QTest>
#include <QtEndian>

#include "opentype.h"

using namespace kalmoro;
using CharacterMap = std::map<char32_t, quint32>;

namespace {

QByteArray words(std::initializer_list<quint16> values)
{
    QByteArray out;
    for (const quint16 value : values) {
        char bytes[2];
        qToBigEndian(value, bytes);
        out.append(bytes, 2);
    }
    return out;
}

// A character map table with one Windows Unicode subtable of format 4, from its segments:
// end codes, start codes, deltas and range offsets (bytes from each offset to its glyphs), then
// the glyph array.
QByteArray format4(std::initializer_list<quint16> ends, std::initializer_list<quint16> starts,
    std::initializer_list<quint16> deltas, std::initializer_list<quint16> offsets,
    std::initializer_list<quint16> glyphs = {})
{
    const QByteArray body
        = words(ends) + words({0}) + words(starts) + words(deltas) + words(offsets) + words(glyphs);
    const quint16 length = quint16(14 + body.size());
    // Version, one record: platform 3, encoding 1, at offset 12; the subtable's head.
    return words({0, 1, 3, 1, 0, 12}) + words({4, length, 0, quint16(2 * ends.size()), 0, 0, 0}) + body;
}

} // namespace

// The font tables behind the copies of Chinese faces that PDFs are written with.
class OpenTypeTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void characterMap_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<CharacterMap>("expected");

        QTest::newRow("format 4, glyphs by delta") << format4({0x32, 0xFFFF}, {0x30, 0xFFFF}, {0xFFF0, 1},
            {0, 0}) << CharacterMap {{0x30, 0x20}, {0x31, 0x21}, {0x32, 0x22}};
        // The first segment's glyphs start two words past its range offset: the second offset
        // and the end of the offsets lie between.
        QTest::newRow("format 4, glyphs from the array, 0 for none") << format4({0x7C74, 0xFFFF},
            {0x7C72, 0xFFFF}, {0, 1}, {4, 0}, {500, 0, 502}) << CharacterMap {{0x7C72, 500}, {0x7C74, 502}};
        const CharacterMap wide {{0x41, 3}, {0x42, 4}, {0x2F76, 9}, {0x7C73, 9}, {0x20000, 70}};
        QTest::newRow("format 12, as written") << opentype::CmapTable(wide) << wide;
        QTest::newRow("cut short") << format4({0x32, 0xFFFF}, {0x30, 0xFFFF}, {0xFFF0, 1}, {0, 0}).left(30)
                                   << CharacterMap {};
        QTest::newRow("format 12, cut short") << opentype::CmapTable(wide).chopped(4) << CharacterMap {};
    }

    void characterMap()
    {
        QFETCH(QByteArray, table);
        QFETCH(CharacterMap, expected);
        QCOMPARE(opentype::CharacterMap(table), expected);
    }

    // A font's checksum adjustment makes its whole file sum to the format's constant, and each table
    // lies at a four-byte boundary where the directory says.
    void fontFile()
    {
        const std::map<quint32, QByteArray> tables {{opentype::Tag("head"), QByteArray(54, '\x01')},
            {opentype::Tag("name"), opentype::NameTable(u"Kalmoro Text Layer"_qs, u"Bold"_qs)},
            {opentype::Tag("cmap"), opentype::CmapTable({{0x41, 3}})}};
        const QByteArray file = opentype::FontFile(tables);
        quint32 sum = 0;
        QByteArray padded = file;
        padded.append((4 - padded.size() % 4) % 4, '\0');
        for (qsizetype at = 0; at < padded.size(); at += 4)
            sum += qFromBigEndian<quint32>(padded.constData() + at);
        QCOMPARE(sum, 0xB1B0AFBAu);
        QCOMPARE(qFromBigEndian<quint16>(file.constData() + 4), quint16(tables.size()));
        qsizetype record = 12;
        for (const auto &[tag, data] : tables) {
            QCOMPARE(qFromBigEndian<quint32>(file.constData() + record), tag);
            const quint32 offset = qFromBigEndian<quint32>(file.constData() + record + 8);
            QCOMPARE(offset % 4, 0u);
            if (tag != opentype::Tag("head"))
                QCOMPARE(file.mid(offset, data.size()), data);
            record += 16;
        }
    }
};

QTEST_GUILESS_MAIN(OpenTypeTest)
#include "test_opentype.moc"
