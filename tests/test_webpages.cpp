#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTest>
#include <QXmlStreamReader>

#include "pages/selectionpage.h"
#include "platform.h"

using namespace kalmoro;

namespace {

QString PagePath(const char16_t *relativePath)
{
    return PageLocation(platform::ProgramDirectory(), QString::fromUtf16(relativePath)).toLocalFile();
}

// "大金浏览器" shows the pages of "大金".
QString BrandOf(const char16_t *browser)
{
    return QString::fromUtf16(browser).chopped(QStringLiteral("浏览器").size());
}

} // namespace

// The pages beside the program, as the brand browsers load them.
class WebPagesTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageIsWellFormedAndNamesItsBrand_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("brand");
        for (const BrandPageButton &row : BrandPageButtons())
            QTest::addRow("%s", qPrintable(QString::fromUtf16(row.button)))
                << PagePath(row.path) << BrandOf(row.browser);
        for (const BrandStartPage &row : BrandStartPages())
            QTest::addRow("start page of %s", qPrintable(QString::fromUtf16(row.browser)))
                << PagePath(row.path) << BrandOf(row.browser);
    }

    void pageIsWellFormedAndNamesItsBrand()
    {
        QFETCH(QString, path);
        QFETCH(QString, brand);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QStringDecoder utf8(QStringDecoder::Utf8);
        QXmlStreamReader html(utf8(file.readAll()));
        QVERIFY(!utf8.hasError());
        QMap<QString, QString> found; // element/attribute: value
        while (!html.atEnd()) {
            if (html.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString element = html.name().toString();
            for (const QXmlStreamAttribute &attribute : html.attributes())
                found.insert(element + u'/' + attribute.name().toString(), attribute.value().toString());
            if (element == u"title" || element == u"body")
                found.insert(element, html.readElementText(QXmlStreamReader::IncludeChildElements));
        }
        QVERIFY2(!html.hasError(), qPrintable(html.errorString()));
        QCOMPARE(found.value(u"html/lang"_qs), u"zh-CN"_qs);
        QCOMPARE(found.value(u"meta/charset"_qs).toLower(), u"utf-8"_qs);
        QCOMPARE(found.value(u"link/rel"_qs), u"stylesheet"_qs);
        QCOMPARE(found.value(u"link/href"_qs), u"style.css"_qs);
        QVERIFY(QFileInfo(path).dir().exists(u"style.css"_qs));
        QVERIFY2(found.value(u"title"_qs).startsWith(brand), qPrintable(found.value(u"title"_qs)));
        QVERIFY(found.value(u"body"_qs).contains(brand));
        QVERIFY(found.value(u"body"_qs).contains(u"价格表"_qs));
        // Where a dealer's own page of the same name goes, in a folder no upgrade touches.
        QVERIFY(
            found.value(u"body"_qs).contains(u"~/.local/share/kalmoro/web/"_qs + QFileInfo(path).fileName()));
    }
};

QTEST_GUILESS_MAIN(WebPagesTest)
#include "test_webpages.moc"
