#include "textlayerfonts.h"

#include <memory>
#include <optional>
#include <vector>

#include <QDir>
#include <QEventLoop>
#include <QFontDatabase>
#include <QRawFont>
#include <QTemporaryFile>
#include <QThread>

#include "opentype.h"
#include "platform.h"

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

namespace {

// A copy is written to a file that goes when the program ends and loaded by its path, so that the
// faces, tens of MiB, are mapped from the disk rather than held in memory.
int install(const QByteArray &copy)
{
    static std::vector<std::unique_ptr<QTemporaryFile>> files;
    const QString folder = platform::IsRemovedAtExit(QDir::homePath()) ? QDir::homePath() : QDir::tempPath();
    auto file
        = std::make_unique<QTemporaryFile>(QDir(folder).filePath(QStringLiteral("textlayer-XXXXXX.otf")));
    if (!file->open() || file->write(copy) != copy.size() || !file->flush())
        return -1;
    const int id = QFontDatabase::addApplicationFont(file->fileName());
    if (id >= 0)
        files.push_back(std::move(file));
    return id;
}

QStringList makeFamilies(const QFont &font)
{
    int installed = 0;
    for (const bool bold : {false, true}) {
        QFont face = font;
        face.setBold(bold);
        const QByteArray copy = copyOf(face, bold ? QStringLiteral("Bold") : QStringLiteral("Regular"));
        if (!copy.isEmpty() && install(copy) >= 0)
            ++installed;
    }
    QStringList families;
    if (installed == 2)
        families << kFamily;
    return families + font.families();
}

} // namespace

QStringList TextLayerFamilies(const QFont &font)
{
    // Copying the faces takes a good part of a second, in reading the faces, checksums and Qt's
    // reading of each copy: once a run is enough, and on a thread of its own, through which the
    // window keeps painting and its timers keep running. The user's input waits, so that nothing
    // asks for the copies again meanwhile; what else draws for a PDF while they are made draws in
    // the font's own families.
    static std::optional<QStringList> families;
    static bool making = false;
    if (!families && !making) {
        making = true;
        QStringList made;
        QEventLoop loop;
        std::unique_ptr<QThread> thread(QThread::create([&made, &font] {
            platform::LowerThreadPriority();
            made = makeFamilies(font);
        }));
        QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
        thread->start();
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        thread->wait();
        families = made;
        making = false;
    }
    return families.value_or(font.families());
}

} // namespace kalmoro
