#include <algorithm>

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>
#include <malloc.h>

#include "controlnumber.h"
#include "drainpipetable.h"
#include "fonts.h"
#include "mainlayout.h"
#include "shelltesting.h"
#include "widgets/browserhost.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"
#include "widgets/picturebox.h"
#include "widgets/radiobutton.h"
#include "widgets/transparentlabel.h"

using namespace kalmoro;
using kalmoro::testing::OnScreen;

namespace {

const QColor kGround(0, 160, 0);

// A shown and active top-level window with a plain coloured ground, for the widgets under test.
std::unique_ptr<QWidget> ShowHost(QSize size, const std::function<void(QWidget *)> &addChildren)
{
    auto host = std::make_unique<QWidget>();
    host->resize(size);
    QPalette colours = host->palette();
    colours.setColor(QPalette::Window, kGround);
    host->setPalette(colours);
    host->setAutoFillBackground(true);
    addChildren(host.get());
    host->show();
    host->activateWindow();
    return QTest::qWaitForWindowActive(host.get()) ? std::move(host) : nullptr;
}

// Pixels of image inside area that are not the host's ground.
int InkIn(const QImage &image, const QRect &area)
{
    int ink = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            ink += image.pixelColor(x, y) != kGround;
    return ink;
}

// Bytes that malloc has handed out and not had back, large blocks of their own included.
std::size_t HeapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

// Whether text names each band of the drain pipe table, capacity then pipe, in the table's order.
bool InOrder(const QString &text)
{
    qsizetype from = 0;
    for (const drainpipe::Band &band : drainpipe::Bands) {
        for (const std::u16string_view part : {band.capacity, band.pipe}) {
            from = text.indexOf(testing::Text(part), from);
            if (from < 0)
                return false;
        }
    }
    return true;
}

QString AccessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString();
}

} // namespace

class WidgetKindsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(UiFont()); }

    // Transparent label.

    // A text wider than its label goes on in further lines inside it; a shorter text set afterwards
    // leaves no remains of it.
    void labelTextWrapsInsideAndLeavesNoRemains()
    {
        TransparentLabel *label = nullptr;
        const auto host = ShowHost({200, 100}, [&](QWidget *parent) {
            label = new TransparentLabel(parent);
            label->setGeometry(10, 10, 100, 60);
            label->setText(QStringLiteral("把今日铜价里的数值填入期货铜价"));
        });
        QVERIFY(host);
        const int line = QFontMetrics(label->font()).lineSpacing();
        QTRY_VERIFY(InkIn(OnScreen(label), QRect(0, 0, 100, line)) > 0);
        QVERIFY(InkIn(OnScreen(label), QRect(0, line, 100, line)) > 0);
        QCOMPARE(InkIn(OnScreen(host.get()), QRect(110, 0, 90, 100)), 0);

        label->setText(QStringLiteral("1"));

        QTRY_COMPARE(InkIn(OnScreen(label), QRect(0, line, 100, 60 - line)), 0);
        QCOMPARE(InkIn(OnScreen(label), QRect(20, 0, 80, line)), 0);
        QVERIFY(InkIn(OnScreen(label), QRect(0, 0, 20, line)) > 0);
    }

    void numberShrinksUntilItFitsOneLineButTextDoesNot()
    {
        TransparentLabel label;
        label.resize(64, 22);
        label.setFont(LayoutFont(u"", 19, true));
        const QString number = QStringLiteral("123456.789012");
        QVERIFY(QFontMetrics(label.font()).horizontalAdvance(number) > 64);

        label.setNumberText(number);
        QVERIFY(label.drawnFont().pixelSize() < 19);
        QVERIFY(QFontMetrics(label.drawnFont()).horizontalAdvance(number) <= 64);
        QCOMPARE(label.text(), number);

        // The shrunk size is measured again when the width or the font changes.
        label.resize(400, 22);
        QCOMPARE(label.drawnFont().pixelSize(), 19);
        label.setFont(LayoutFont(u"", 30, true));
        QCOMPARE(label.drawnFont().pixelSize(), 30);
        label.resize(64, 22);
        QVERIFY(label.drawnFont().pixelSize() < 19);

        label.setFont(LayoutFont(u"", 19, true));
        label.setNumberText(QStringLiteral("0"));
        QCOMPARE(label.drawnFont().pixelSize(), 19);
        label.setText(number);
        QCOMPARE(label.drawnFont().pixelSize(), 19);
    }

    // Edit box.

    // A paste longer than the room left is cut; the text around the selection stays.
    void editBoxCutsLongPastes_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("start"); // of the selection, or the cursor
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("pasted"); // each '7' stands for as many as fit
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("cut");
        const QString tenMebibytes(10 << 20, QLatin1Char('7'));
        QTest::newRow("into an empty box") << QString() << 0 << 0 << tenMebibytes << u"7"_qs << true;
        QTest::newRow("before the last digit") << u"12"_qs << 1 << 0 << tenMebibytes << u"172"_qs << true;
        QTest::newRow("over a selection") << u"1234"_qs << 1 << 2 << tenMebibytes << u"174"_qs << true;
        QTest::newRow("short") << u"12"_qs << 2 << 0 << u"56"_qs << u"1256"_qs << false;
    }

    void editBoxCutsLongPastes()
    {
        QFETCH(QString, before);
        QFETCH(int, start);
        QFETCH(int, selected);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        QFETCH(bool, cut);
        EditBox *edit = nullptr;
        const auto host = ShowHost({200, 60}, [&](QWidget *parent) { edit = new EditBox(parent); });
        QVERIFY(host);
        edit->setText(before);
        edit->setSelection(start, selected);
        QGuiApplication::clipboard()->setText(pasted);
        edit->setFocus();
        QTest::keySequence(host->windowHandle(), QKeySequence::Paste);

        QCOMPARE(edit->text().size() < before.size() - selected + pasted.size(), cut);
        const qsizetype room = edit->maxLength() - (before.size() - selected);
        QCOMPARE(edit->text(), QString(after).replace(u"7"_qs, QString(qMin(pasted.size(), room), u'7')));
        QCOMPARE(edit->cursorPosition(), edit->text().size() - (before.size() - start - selected));
    }

    // Undo brings back the text from before the last change and, again, the text it replaced;
    // a text set by the program leaves nothing to undo.
    void editBoxUndoesTheLastChange_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Ctrl+Z") << false;
        QTest::newRow("context menu") << true;
    }

    void editBoxUndoesTheLastChange()
    {
        QFETCH(bool, fromMenu);
        EditBox *edit = nullptr;
        const auto host = ShowHost({200, 60}, [&](QWidget *parent) { edit = new EditBox(parent); });
        QVERIFY(host);
        edit->setFocus();
        QStringList menus;
        const auto undo = [&] {
            if (!fromMenu) {
                QTest::keySequence(host->windowHandle(), QKeySequence::Undo);
                return;
            }
            QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, edit->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(edit, &event);
            auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(popup);
            const auto close = qScopeGuard([popup] { popup->close(); });
            QAction *action = popup->actions().value(0);
            QVERIFY(action);
            QCOMPARE(action->text(), QStringLiteral("撤消(&U)"));
            menus << (action->isEnabled() ? u"undo"_qs : u"no undo"_qs);
            action->trigger();
        };

        edit->setText(QStringLiteral("12"));
        QTest::keyClicks(edit, "34");
        undo();
        QCOMPARE(edit->text(), QStringLiteral("123"));
        undo();
        QCOMPARE(edit->text(), QStringLiteral("1234"));
        QTest::keySequence(host->windowHandle(), QKeySequence::SelectAll);
        QTest::keyClicks(edit, "9");
        undo();
        QCOMPARE(edit->text(), QStringLiteral("1234"));
        QGuiApplication::clipboard()->setText(QStringLiteral("56"));
        edit->setSelection(1, 2);
        QTest::keySequence(host->windowHandle(), QKeySequence::Paste);
        QCOMPARE(edit->text(), QStringLiteral("1564"));
        undo();
        QCOMPARE(edit->text(), QStringLiteral("1234"));
        QVERIFY(!edit->isUndoAvailable());
        edit->setText(QStringLiteral("5"));
        undo();
        QCOMPARE(edit->text(), QStringLiteral("5"));
        if (fromMenu)
            QCOMPARE(menus, QStringList({u"undo"_qs, u"undo"_qs, u"undo"_qs, u"undo"_qs, u"no undo"_qs}));
    }

    // Each pasted character used to stay in the line edit's history for good.
    void editBoxPastesDoNotPileUp()
    {
        EditBox *edit = nullptr;
        const auto host = ShowHost({200, 60}, [&](QWidget *parent) { edit = new EditBox(parent); });
        QVERIFY(host);
        edit->setFocus();
        QGuiApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('7')));
        const std::size_t before = HeapInUse();

        for (int paste = 0; paste < 5; ++paste) {
            QTest::keySequence(host->windowHandle(), QKeySequence::SelectAll);
            QTest::keySequence(host->windowHandle(), QKeySequence::Paste);
            QCOMPARE(edit->text().size(), edit->maxLength());
        }
        QTest::keySequence(host->windowHandle(), QKeySequence::SelectAll);
        QTest::keyClick(edit, Qt::Key_Delete);
        QApplication::processEvents();

        QVERIFY(edit->text().isEmpty());
        const std::size_t after = HeapInUse();
        QVERIFY2(after < before + 5'000'000, qPrintable(u"%1 bytes more"_qs.arg(after - before)));
    }

    // Radio buttons.

    void radioButtonsOfOneParentAreOneGroupOnWhite()
    {
        QList<RadioButton *> radios;
        const auto host = ShowHost({500, 120}, [&](QWidget *parent) {
            for (int i = 0; i < 12; ++i) {
                radios.append(new RadioButton(parent));
                radios.last()->setText(QStringLiteral("GMV-%1W/A").arg(250 + 50 * i));
                radios.last()->setGeometry(10 + 120 * (i % 4), 10 + 30 * (i / 4), 110, 24);
            }
        });
        QVERIFY(host);

        for (int clicked : {0, 5, 11, 3, 3}) {
            QTest::mouseClick(radios[clicked], Qt::LeftButton);
            for (int i = 0; i < radios.size(); ++i)
                QCOMPARE(radios[i]->isChecked(), i == clicked);
        }
        radios[7]->setEnabled(false);
        QTest::mouseClick(radios[7], Qt::LeftButton);
        QVERIFY(!radios[7]->isChecked());
        QVERIFY(radios[3]->isChecked());

        // Right of the caption only the radio's own ground shows.
        const QImage image = radios[0]->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), QColor(Qt::white));
    }

    // Page tab.

    void headerClicks_data()
    {
        QTest::addColumn<QPoint>("point"); // (-1, header) for the middle of a header
        QTest::addColumn<int>("page");
        QTest::newRow("first header") << QPoint(-1, 0) << 0;
        QTest::newRow("last header") << QPoint(-1, 2) << 2;
        QTest::newRow("header of the page shown") << QPoint(-1, 1) << 1;
        QTest::newRow("strip right of the headers") << QPoint(470, 8) << 1;
        QTest::newRow("below the strip") << QPoint(60, 200) << 1;
    }

    void headerClicks()
    {
        QFETCH(QPoint, point);
        QFETCH(int, page);
        PageTab *tab = nullptr;
        QList<EditBox *> controls;
        const auto host = ShowHost({500, 300}, [&](QWidget *parent) {
            tab = new PageTab(
                {QStringLiteral("空调品牌选择"), QStringLiteral("大金"), QStringLiteral("格力")},
                {LayoutFont(u"微软雅黑", 19), 26, TabColours::Plain}, parent);
            tab->setGeometry(10, 10, 480, 280);
            tab->setCurrentPage(1);
            for (int index = 0; index < tab->count(); ++index) {
                controls.append(new EditBox(tab->page(index)));
                controls.last()->setGeometry(20, 60, 100, 23);
            }
        });
        QVERIFY(host);
        QSignalSpy changed(tab, &PageTab::currentPageChanged);
        if (point.x() < 0) {
            point = tab->headerRect(point.y()).center();
        } else {
            for (int index = 0; index < tab->count(); ++index)
                QVERIFY(!tab->headerRect(index).contains(point));
        }

        QTest::mouseClick(tab, Qt::LeftButton, {}, point);

        QCOMPARE(tab->currentPage(), page);
        QCOMPARE(changed.size(), page == 1 ? 0 : 1);
        for (int index = 0; index < tab->count(); ++index)
            QCOMPARE(controls[index]->isVisible(), index == page);
    }

    // A focus inside the page being hidden goes to the next page's first input box, past a
    // read-only one, or to the window when there is none; a focus elsewhere stays where it is.
    void focusLeavesAHiddenPage_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("browser, to a page with inputs") << "browser" << 1 << "second input";
        QTest::newRow("browser, to a page without inputs") << "browser" << 2 << "window";
        QTest::newRow("input outside the tab") << "outside" << 2 << "outside";
    }

    void focusLeavesAHiddenPage()
    {
        QFETCH(QString, focused);
        QFETCH(int, page);
        QFETCH(QString, expected);
        QMap<QString, QWidget *> widgets;
        const auto host = ShowHost({400, 300}, [&](QWidget *parent) {
            auto *tab
                = new PageTab({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")}, {}, parent);
            tab->setGeometry(0, 0, 400, 250);
            widgets[u"tab"_qs] = tab;
            widgets[u"browser"_qs] = new QWidget(tab->page(0));
            widgets[u"browser"_qs]->setFocusPolicy(Qt::StrongFocus);
            auto *readOnly = new EditBox(tab->page(1));
            readOnly->setReadOnly(true);
            widgets[u"second input"_qs] = new EditBox(tab->page(1));
            new TransparentLabel(tab->page(2));
            widgets[u"outside"_qs] = new EditBox(parent);
            widgets[u"outside"_qs]->setGeometry(0, 260, 100, 23);
            widgets[u"window"_qs] = parent;
        });
        QVERIFY(host);
        widgets[focused]->setFocus();
        QCOMPARE(QApplication::focusWidget(), widgets[focused]);

        static_cast<PageTab *>(widgets[u"tab"_qs])->setCurrentPage(page);

        QTRY_COMPARE(QApplication::focusWidget(), widgets[expected]);
    }

    // A control hidden on its own stays hidden when its page comes up; one shown on its own while
    // its page is away appears with the page. Pages that do not exist, or the page shown, change
    // nothing.
    void controlsKeepTheirOwnVisibilityAndBadPagesChangeNothing()
    {
        PageTab tab({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")}, {});
        tab.resize(300, 200);
        auto *stays = new TransparentLabel(tab.page(1));
        auto *hidden = new TransparentLabel(tab.page(1));
        auto *shownLater = new TransparentLabel(tab.page(2));
        shownLater->hide();
        tab.show();

        hidden->hide();
        shownLater->show();
        QVERIFY(!shownLater->isVisible());
        tab.setCurrentPage(1);
        QVERIFY(stays->isVisible());
        QVERIFY(!hidden->isVisible());
        QVERIFY(!shownLater->isVisible());
        tab.setCurrentPage(2);
        QVERIFY(shownLater->isVisible());
        QVERIFY(!stays->isVisible() && !stays->isHidden());
        QVERIFY(hidden->isHidden());

        QSignalSpy changed(&tab, &PageTab::currentPageChanged);
        for (const int bad : {-1, 3, 100, 2}) {
            tab.setCurrentPage(bad);
            QCOMPARE(tab.currentPage(), 2);
            QVERIFY(shownLater->isVisible());
        }
        QCOMPARE(changed.size(), 0);
    }

    // Accessibility, on the controls of the real window.

    // The tree a screen reader walks, after a click on the copper entry: what each node reads as.
    void treeReadsAsTheWindowShows_data()
    {
        QTest::addColumn<QString>("control"); // empty: the window
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("expected");

        QTest::newRow("window role") << QString() << u"role"_qs << QString::number(QAccessible::Window);
        QTest::newRow("window name") << QString() << u"name"_qs << u"Kalmoro"_qs;
        QTest::newRow("main tab") << u"高级选择夹1"_qs << u"name"_qs << u"主页面"_qs;
        QTest::newRow("brand tab") << u"空调选型选择夹"_qs << u"name"_qs << u"空调品牌"_qs;
        QTest::newRow("current entry") << u"铜管价格按钮"_qs << u"checked"_qs << u"true"_qs;
        QTest::newRow("other entry") << u"加氟计算按钮"_qs << u"checked"_qs << u"false"_qs;
        QTest::newRow("entry role") << u"铜管价格按钮"_qs << u"role"_qs
                                    << QString::number(QAccessible::Button);
        QTest::newRow("quotation view") << u"今日铜价浏览"_qs << u"size"_qs << u"240x152"_qs;
        QTest::newRow("drain pipe table") << u"图片框1"_qs << u"bands"_qs << u"in order"_qs;
        QTest::newRow("caption of a box") << u"透明标签2"_qs << u"labelFor"_qs << u"室内机台数"_qs;
        QTest::newRow("caption of a pipe") << u"透明标签18"_qs << u"labelFor"_qs << u"二十八"_qs;
        QTest::newRow("caption of the total") << u"一共加氟"_qs << u"labelledBy"_qs << u"图片框4"_qs;
        QTest::newRow("box labelled by its caption")
            << u"室内机台数"_qs << u"labelledBy"_qs << u"透明标签2"_qs;
        QTest::newRow("vent box named on its own") << u"回风宽"_qs << u"name"_qs << u"回风口尺寸 宽 米"_qs;
        QTest::newRow("vent box not labelled by the picture that prints every caption")
            << u"出风长"_qs << u"labelledBy"_qs << QString();
        QTest::newRow("box role") << u"编辑框1"_qs << u"role"_qs
                                  << QString::number(QAccessible::EditableText);
    }

    void treeReadsAsTheWindowShows()
    {
        QFETCH(QString, control);
        QFETCH(QString, reading);
        QFETCH(QString, expected);

        std::unique_ptr<MainWindow> window = testing::ShowProgramWindow();
        QVERIFY(window);
        QTest::mouseClick(window->control(u"铜管价格按钮"_qs), Qt::LeftButton);
        QWidget *widget = control.isEmpty() ? window.get() : window->control(control);
        QVERIFY(widget);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        const auto related = [node](QAccessible::Relation relation) {
            const auto relations = node->relations(relation);
            return relations.size() == 1 ? relations.first().first->object()->objectName() : QString();
        };
        QString actual;
        if (reading == u"role")
            actual = QString::number(node->role());
        else if (reading == u"name")
            actual = node->text(QAccessible::Name);
        else if (reading == u"description")
            actual = node->text(QAccessible::Description);
        else if (reading == u"checked")
            actual = node->state().checked && node->state().selected ? u"true"_qs : u"false"_qs;
        else if (reading == u"size")
            actual = u"%1x%2"_qs.arg(node->rect().width()).arg(node->rect().height());
        else if (reading == u"bands")
            actual = InOrder(node->text(QAccessible::Description)) ? u"in order"_qs : u"out of order"_qs;
        else if (reading == u"labelFor")
            actual = related(QAccessible::Labelled);
        else if (reading == u"labelledBy")
            actual = related(QAccessible::Label);
        QCOMPARE(actual, expected);
    }

    void controlsTellScreenReadersWhatTheyShow()
    {
        std::unique_ptr<MainWindow> window = CreateMainWindow().window;
        QVERIFY(window);
        QCOMPARE(AccessibleText(window->control(QStringLiteral("透明标签5")), QAccessible::Name),
            QStringLiteral("Kalmoro V1.0"));
        auto *total = window->control<TransparentLabel>(QStringLiteral("透明标签10"));
        // A result is read with its caption and unit, which the page prints beside it.
        WriteNumber(*total, 1234.5);
        QCOMPARE(AccessibleText(total, QAccessible::Name), QStringLiteral("铜管价格 1234.5 元"));
        auto *futures = window->control<EditBox>(QStringLiteral("编辑框0"));
        futures->setText(QStringLiteral("68000"));
        QCOMPARE(AccessibleText(futures, QAccessible::Value), QStringLiteral("68000"));

        int named = 0;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!qobject_cast<GraphicButton *>(control) && !qobject_cast<PictureBox *>(control))
                continue;
            QVERIFY2(
                !AccessibleText(control, QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            ++named;
        }
        // Each of the layout's buttons and pictures, whichever pages there are.
        QCOMPARE(named, std::ranges::count_if(MainLayout(), [](const LayoutRow &row) {
            return row.kind == Kind::GraphicButton || row.kind == Kind::PictureBox;
        }));
        QCOMPARE(AccessibleText(window->control(QStringLiteral("最小化按钮")), QAccessible::Name),
            QStringLiteral("最小化"));

        // Labels and pictures report what they are.
        const auto role = [&window](const QString &name) {
            return QAccessible::queryAccessibleInterface(window->control(name))->role();
        };
        QCOMPARE(role(QStringLiteral("透明标签5")), QAccessible::StaticText);
        QCOMPARE(role(QStringLiteral("图片框5")), QAccessible::Graphic);
    }

    // Each box and browser by the words beside it on screen.
    void boxesAndBrowsersAreNamedAsTheyAreShown_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("liquid pipe") << u"十"_qs << u"冷媒液管Φ9.52"_qs;
        QTest::newRow("indoor units") << u"室内机台数"_qs << u"室内机台数 台"_qs;
        QTest::newRow("futures") << u"编辑框0"_qs << u"期货铜价 元"_qs;
        QTest::newRow("first metres") << u"编辑框1"_qs << u"Φ6.35铜管 米"_qs;
        QTest::newRow("first price") << u"编辑框2"_qs << u"Φ6.35铜管 市场价 元"_qs;
        QTest::newRow("last price") << u"编辑框26"_qs << u"Φ44.45铜管 市场价 元"_qs;
        QTest::newRow("return width") << u"回风宽"_qs << u"回风口尺寸 宽 米"_qs;
        QTest::newRow("quotation") << u"今日铜价浏览"_qs << u"今日铜价"_qs;
        QTest::newRow("Daikin") << u"大金浏览器"_qs << u"大金 产品资料"_qs;
        QTest::newRow("Chigo") << u"志高浏览器"_qs << u"志高 产品资料"_qs;
    }

    void boxesAndBrowsersAreNamedAsTheyAreShown()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        std::unique_ptr<MainWindow> window = CreateMainWindow().window;
        QVERIFY(window);
        QCOMPARE(AccessibleText(window->control(control), QAccessible::Name), name);
    }

    void noTwoBoxesOrBrowsersAreNamedAlike()
    {
        std::unique_ptr<MainWindow> window = CreateMainWindow().window;
        QVERIFY(window);
        QSet<QString> names;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (qobject_cast<EditBox *>(widget) || qobject_cast<BrowserHost *>(widget))
                names << AccessibleText(widget, QAccessible::Name);
        }
        QCOMPARE(names.size(), 50 + 6);
        QVERIFY(!names.contains(QString()));
    }

    void pageTabListsItsPagesWithTheCurrentSelected()
    {
        std::unique_ptr<MainWindow> window = CreateMainWindow().window;
        QVERIFY(window);
        auto *tab = window->control<PageTab>(u"高级选择夹1"_qs);
        tab->setCurrentPage(2);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(tab);
        QCOMPARE(list->role(), QAccessible::PageTabList);
        QStringList titles;
        QList<int> selected;
        for (int index = 0; index < list->childCount(); ++index) {
            QAccessibleInterface *child = list->child(index);
            QCOMPARE(list->indexOfChild(child), index);
            if (child->role() != QAccessible::PageTab)
                continue;
            QCOMPARE(child->parent(), list);
            titles << child->text(QAccessible::Name);
            if (child->state().selected)
                selected << index;
        }
        QCOMPARE(titles, tab->titles());
        QCOMPARE(selected, QList {2});
        // The pages' controls stay reachable below the headers.
        QAccessibleInterface *ancestor
            = QAccessible::queryAccessibleInterface(window->control(u"编辑框0"_qs))->parent();
        while (ancestor && ancestor->parent() != list)
            ancestor = ancestor->parent();
        QVERIFY(ancestor && list->indexOfChild(ancestor) >= tab->count());

        // A screen reader turns the page through the header's press action.
        list->child(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(tab->currentPage(), 4);
    }
};

QTEST_MAIN(WidgetKindsTest)
#include "test_widgetkinds.moc"
