#include "assets/catalogue.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QDir>
int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString out = app.arguments().value(1);
    QDir().mkpath(out);
    for (const auto &a : kalmoro::assets::Catalogue()) {
        if (!a.sameAs.empty()) continue;
        QImage img(a.width, a.height, QImage::Format_ARGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(QColor(243,126,0));
        p.drawRect(0,0,a.width-1,a.height-1);
        p.drawText(img.rect(), Qt::AlignCenter, QString::fromUtf8(a.name.data(), a.name.size()));
        p.end();
        img.save(out + "/" + QString::fromUtf8(a.name.data(), a.name.size()) + ".png");
    }
}
