#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTest>
#include <QXmlStreamReader>

#include "pages/brandpages.h"
#include "shell/platform.h"

namespace kalmoro {

namespace {

QString pagePath(const char16_t *relativePath)
{
    return PageLocation(platform::ProgramDirectory(), QString::fromUtf16(relativePath)).toLocalFile();
}

// "大金浏览器" shows the pages of "大金".
QString brandOf(const char16_t *browser)
{
    QString brand = QString::fromUtf16(browser);
    brand.chop(QStringLiteral("浏览器").size());
    return brand;
}

} // namespace

// The pages beside the program, as the brand browsers load them.
class WebPagesTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderHoldsEveryPageAndNothingElse()
    {
        QSet<QString> expected { QStringLiteral("style.css") };
        for (const BrandPageButton &row : BrandPageButtons())
            expected.insert(QFileInfo(pagePath(row.path)).fileName());
        for (const BrandStartPage &row : BrandStartPages())
            expected.insert(QFileInfo(pagePath(row.path)).fileName());
        QCOMPARE(expected.size(), 32);

        const QStringList files
            = QDir(platform::ProgramDirectory() + QStringLiteral("/web")).entryList(QDir::Files);
        QCOMPARE(QSet<QString>(files.cbegin(), files.cend()), expected);
    }

    void pageNamesItsBrandAndHoldsThePriceList_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("brand");
        for (const BrandPageButton &row : BrandPageButtons())
            QTest::addRow("%s", qPrintable(QString::fromUtf16(row.button)))
                << pagePath(row.path) << brandOf(row.browser);
        for (const BrandStartPage &row : BrandStartPages())
            QTest::addRow("start page of %s", qPrintable(QString::fromUtf16(row.browser)))
                << pagePath(row.path) << brandOf(row.browser);
    }

    void pageNamesItsBrandAndHoldsThePriceList()
    {
        QFETCH(QString, path);
        QFETCH(QString, brand);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(file.readAll());
        QVERIFY(!utf8.hasError());

        QXmlStreamReader html(text);
        QString language, charset, stylesheet, title, body;
        while (!html.atEnd()) {
            if (html.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes attributes = html.attributes();
            if (html.name() == QLatin1String("html"))
                language = attributes.value(QLatin1String("lang")).toString();
            else if (html.name() == QLatin1String("meta"))
                charset = attributes.value(QLatin1String("charset")).toString();
            else if (html.name() == QLatin1String("link")
                && attributes.value(QLatin1String("rel")) == QLatin1String("stylesheet"))
                stylesheet = attributes.value(QLatin1String("href")).toString();
            else if (html.name() == QLatin1String("title"))
                title = html.readElementText();
            else if (html.name() == QLatin1String("body"))
                body = html.readElementText(QXmlStreamReader::IncludeChildElements);
        }
        QVERIFY2(!html.hasError(), qPrintable(html.errorString()));
        QCOMPARE(language, QStringLiteral("zh-CN"));
        QCOMPARE(charset.toLower(), QStringLiteral("utf-8"));
        QCOMPARE(stylesheet, QStringLiteral("style.css"));
        QVERIFY2(title.startsWith(brand), qPrintable(title));
        QVERIFY2(body.contains(brand), qPrintable(body));
        QVERIFY2(body.contains(QStringLiteral("价格表")), qPrintable(body));
    }
};

} // namespace kalmoro

QTEST_GUILESS_MAIN(kalmoro::WebPagesTest)
#include "test_webpages.moc"
