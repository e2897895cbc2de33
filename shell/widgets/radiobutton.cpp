#include "widgets/radiobutton.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace kalmoro {

namespace {

// The layout places its radio buttons for a 96 dpi screen, and their captions have pixel sizes.
// Styles grow the mark and the gap after it with the font's dots per inch, which on a denser
// screen without Qt's scaling pushes both out of the fixed rectangle; here they keep the size the
// layout was made for.
class LayoutDensityStyle final : public QProxyStyle
{
public:
    LayoutDensityStyle()
    {
        constexpr int kDotsPerMetreAt96Dpi = 3780;
        m_layoutDevice.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
        m_layoutDevice.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const bool markMetric = metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight
            || metric == PM_RadioButtonLabelSpacing;
        if (!markMetric || option == nullptr)
            return QProxyStyle::pixelMetric(metric, option, widget);
        QStyleOption atLayoutDensity(*option);
        const QFont font = widget ? widget->font() : QApplication::font();
        atLayoutDensity.fontMetrics = QFontMetrics(font, &m_layoutDevice);
        return QProxyStyle::pixelMetric(metric, &atLayoutDensity, widget);
    }

private:
    QImage m_layoutDevice {1, 1, QImage::Format_RGB32};
};

// One style for every radio button, owned by the application.
QStyle *layoutDensityStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new LayoutDensityStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

RadioButton::RadioButton(QWidget *parent)
    : QRadioButton(parent)
{
    setStyle(layoutDensityStyle());
    // Buttons fill with the Button role by default, which is grey.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void RadioButton::setTextColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void RadioButton::mousePressEvent(QMouseEvent *event)
{
    QRadioButton::mousePressEvent(event);
    // A press beside the mark and caption is still the radio's, never the window's.
    event->accept();
}

void RadioButton::keyPressEvent(QKeyEvent *event)
{
    // Enter on a focused radio does what Space and a click do; the keypad's Enter too.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

void RadioButton::focusInEvent(QFocusEvent *event)
{
    QRadioButton::focusInEvent(event);
    Q_EMIT focusTaken();
}

} // namespace kalmoro
