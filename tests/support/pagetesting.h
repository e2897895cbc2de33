#pragma once

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QStyleOptionButton>

#include "shelltesting.h"
#include "widgets/pagetab.h"
#include "widgets/transparentlabel.h"

namespace kalmoro::testing {

// Types text into widget as a user does. Characters a keyboard does not have (full-width forms,
// Chinese) arrive as an input method commits them.
inline void TypeCharacters(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(character);
            QApplication::sendEvent(widget, &commit);
        }
    }
}

// The real window turned to one calculator page and driven there with mouse clicks and keystrokes.
// The messages the page would show are collected instead; the save and open dialogs, the question
// box, the print service and the date are stand-ins when set. QVERIFY and QCOMPARE inside these
// functions return from the function only: the test goes on unless it checks
// QTest::currentTestFailed().
class PageDriver final
{
    Q_DISABLE_COPY_MOVE(PageDriver)
public:
    PageDriver() = default;
    ~PageDriver() { close(); }

    // A new window, shown and active, on the page that navButton turns to.
    void open(const QString &navButton, int pageIndex)
    {
        messages.clear();
        Services services;
        services.showMessage = [this](const QString &message) {
            messages << message;
            if (onMessage)
                onMessage(message);
        };
        services.askSavePath = [this](QWidget *parent, const SaveRequest &request) {
            return savePath ? savePath(request) : AskSavePath(parent, request);
        };
        services.askOpenPath = [this](QWidget *parent, const SaveRequest &request) {
            return savePath ? savePath(request) : AskOpenPath(parent, request);
        };
        services.askChoice = [this](QWidget *parent, const QString &text, const QStringList &choices) {
            return choose ? choose(text, choices) : AskChoice(parent, text, choices);
        };
        services.printService = [this] { return printer ? printer : LoadPrintService(); };
        services.today = [this] { return today.isValid() ? today : QDate::currentDate(); };
        m_window = ShowProgramWindow(std::move(services));
        QVERIFY(m_window);
        click(navButton);
        QCOMPARE(find<PageTab>(u"高级选择夹1"_qs)->currentPage(), pageIndex);
    }

    void close()
    {
        m_window.reset();
        onMessage = {};
        savePath = {};
        choose = {};
        printer = nullptr;
        today = {};
    }

    template <typename T = QWidget> T *find(const QString &name) const
    {
        T *control = m_window->control<T>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }

    MainWindow &window() const { return *m_window; }

    QString text(const QString &name) const { return find(name)->property("text").toString(); }

    QStringList texts(const QStringList &names) const
    {
        QStringList result;
        for (const QString &name : names)
            result << text(name);
        return result;
    }

    // Clicks where a user would: the mark of a radio button, the middle of anything else. Only what
    // the user can see and use is clicked.
    void click(const QString &name)
    {
        QWidget *control = find(name);
        QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(name));
        QPoint point = control->rect().center();
        if (auto *radio = qobject_cast<QRadioButton *>(control)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            point = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).center();
        }
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, point);
    }

    // Replaces the box's content as a user does: click into it, select all, delete, type. Characters
    // a keyboard does not have (full-width forms, Chinese) arrive as an input method commits them.
    void type(const QString &box, const QString &text)
    {
        auto *edit = find<QLineEdit>(box);
        click(box);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        TypeCharacters(edit, text);
        QCOMPARE(edit->text(), text);
    }

    // Steps as a user takes them: "box=text" types text into the box, a bare name clicks the control.
    void run(const QStringList &steps)
    {
        for (const QString &step : steps) {
            const qsizetype equals = step.indexOf(u'=');
            if (equals < 0)
                click(step);
            else
                type(step.left(equals), step.mid(equals + 1));
        }
    }

    QStringList messages; // in the order the page showed them
    std::function<void(const QString &)> onMessage; // called after each message is collected
    // The save and open dialogs' answer; none: the dialog.
    std::function<QString(const SaveRequest &)> savePath;
    // The question box's answer among the choices; none: the box.
    std::function<QString(const QString &text, const QStringList &choices)> choose;
    PrintService *printer = nullptr; // none: the print plugin
    QDate today; // the date a quotation carries; invalid: the clock's

private:
    std::unique_ptr<MainWindow> m_window;
};

// The label's text is drawn whole, in the family of the font it was laid out with. Only a number
// that does not fit is made smaller.
inline void VerifyDrawnWhole(TransparentLabel &label, const QFont &layoutFont)
{
    const QString text = label.text();
    const QFont drawn = label.drawnFont();
    QVERIFY2(QFontMetrics(drawn).horizontalAdvance(text) <= label.width(),
        qPrintable(
            u"%1 px at %2 px"_qs.arg(QFontMetrics(drawn).horizontalAdvance(text)).arg(drawn.pixelSize())));
    QCOMPARE(drawn.family(), layoutFont.family());
    if (QFontMetrics(layoutFont).horizontalAdvance(text) <= label.width())
        QCOMPARE(drawn.pixelSize(), layoutFont.pixelSize());
    else
        QVERIFY(drawn.pixelSize() < layoutFont.pixelSize());
}

} // namespace kalmoro::testing
