// Draws every image asset of the program and its icon into an assets directory:
//   kalmoro_assetgen ASSETS_DIR
// writes ASSETS_DIR/png (1x), ASSETS_DIR/png@2x, ASSETS_DIR/icon/kalmoro.ico and
// ASSETS_DIR/icon/hicolor/NxN/apps/kalmoro.png.

#include <cstdio>
#include <cstdlib>
#include <map>

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "artwork.h"
#include "catalogue.h"
#include "draw.h"
#include "fonts.h"
#include "icofile.h"
#include "makerart.h"
#include "render.h"

namespace {

using namespace kalmoro;

[[noreturn]] void Fail(const QString &message)
{
    std::fprintf(stderr, "kalmoro_assetgen: %s\n", qPrintable(message));
    std::exit(EXIT_FAILURE);
}

// Every stored picture needs exactly one drawing, and nothing else may have one.
std::map<assets::Asset, const assetgen::Artwork *> MatchCatalogue(const assetgen::Artworks &artworks)
{
    std::map<assets::Asset, const assetgen::Artwork *> byAsset;
    for (const assetgen::Artwork &art : artworks) {
        const assets::AssetInfo &info = assets::Info(art.asset);
        if (info.sameAs)
            Fail(QStringLiteral("%1 is not a stored asset").arg(assetgen::Utf8(info.name)));
        if (!byAsset.emplace(art.asset, &art).second)
            Fail(QStringLiteral("%1 is drawn twice").arg(assetgen::Utf8(info.name)));
    }
    for (std::size_t row = 0; row < assets::Catalogue().size(); ++row) {
        const assets::AssetInfo &info = assets::Catalogue()[row];
        if (!info.sameAs && !byAsset.contains(assets::Asset(row)))
            Fail(QStringLiteral("%1 has no drawing").arg(assetgen::Utf8(info.name)));
    }
    return byAsset;
}

void WriteAssets(const QDir &root, const std::map<assets::Asset, const assetgen::Artwork *> &byAsset)
{
    for (const int scale : {1, 2}) {
        const QString folder = scale == 1 ? QStringLiteral("png") : QStringLiteral("png@2x");
        root.mkpath(folder);
        for (const auto &[asset, art] : byAsset) {
            const assets::AssetInfo &info = assets::Info(asset);
            const QString path = root.filePath(folder + '/' + assetgen::Utf8(info.name) + ".png");
            if (!assetgen::WritePng(assetgen::Render(info, *art, scale), path))
                Fail(QStringLiteral("cannot write %1").arg(path));
        }
    }
}

void WriteIcon(const QDir &root)
{
    QList<assetgen::IconEntry> entries;
    entries.append({assetgen::RenderIcon(256).convertToFormat(QImage::Format_ARGB32), 32, true});
    for (const int size : {64, 48, 40, 32, 24, 20, 16})
        entries.append({assetgen::RenderIcon(size).convertToFormat(QImage::Format_ARGB32), 32, false});
    for (const int size : {48, 32, 16})
        entries.append({assetgen::RenderIcon(size).convertToFormat(QImage::Format_ARGB32), 8, false});
    for (const int size : {32, 16})
        entries.append({assetgen::RenderIcon(size).convertToFormat(QImage::Format_ARGB32), 4, false});
    root.mkpath(QStringLiteral("icon"));
    QFile ico(root.filePath(QStringLiteral("icon/kalmoro.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(assetgen::BuildIco(entries)) < 0)
        Fail(QStringLiteral("cannot write %1").arg(ico.fileName()));

    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("icon/hicolor/%1x%1/apps").arg(size);
        root.mkpath(folder);
        const QString path = root.filePath(folder + QStringLiteral("/kalmoro.png"));
        if (!assetgen::WritePng(assetgen::RenderIcon(size).convertToFormat(QImage::Format_ARGB32), path))
            Fail(QStringLiteral("cannot write %1").arg(path));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2)
        Fail(QStringLiteral("usage: kalmoro_assetgen ASSETS_DIR"));
    assetgen::RequireFonts();

    const assetgen::Artworks artworks = assetgen::AllArtworks();
    const QDir root(arguments[1]);
    WriteAssets(root, MatchCatalogue(artworks));
    WriteIcon(root);
    return EXIT_SUCCESS;
}
