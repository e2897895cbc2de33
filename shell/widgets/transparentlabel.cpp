#include "widgets/transparentlabel.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

#include "spokenresults.h"

namespace kalmoro {

TransparentLabel::TransparentLabel(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TransparentLabel::setText(const QString &text)
{
    m_fitNumber = false;
    m_fittedRatio = 0;
    m_text = text;
    updateAccessibleName();
    // The label has no background: the update repaints what lies beneath it first, so a shorter
    // caption leaves nothing of a longer one behind.
    update();
}

void TransparentLabel::setNumberText(const QString &text)
{
    setText(text);
    m_fitNumber = true;
    updateAccessibleName();
}

void TransparentLabel::setReading(const QString &caption, const QString &unit)
{
    m_caption = caption;
    m_unit = unit;
    updateAccessibleName();
}

void TransparentLabel::updateAccessibleName()
{
    QString name = m_text;
    if (!m_caption.isEmpty())
        name = m_fitNumber ? QStringList {m_caption, m_text, m_unit}.join(u' ').trimmed() : m_caption;
    if (name == accessibleName())
        return;
    setAccessibleName(name);
    // Screen readers hear of a new result; QWidget tells them nothing when its name changes.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (m_fitNumber && !m_caption.isEmpty())
        NoteResult(*this, name);
}

void TransparentLabel::setTextColor(const QColor &color)
{
    m_color = color;
    update();
}

void TransparentLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QFont TransparentLabel::drawnFont() const
{
    if (!m_fitNumber)
        return font();
    const qreal ratio = devicePixelRatioF();
    if (m_fittedRatio == ratio && m_fittedWidth == width())
        return m_fitted;
    QFont drawn = font();
    int pixels = drawn.pixelSize() > 0 ? drawn.pixelSize() : QFontMetrics(drawn).height();
    while (pixels > 1 && QFontMetrics(drawn).horizontalAdvance(m_text) > width()) {
        --pixels;
        drawn.setPixelSize(pixels);
    }
    m_fitted = drawn;
    m_fittedWidth = width();
    m_fittedRatio = ratio;
    return drawn;
}

void TransparentLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(drawnFont());
    painter.setPen(m_color);
    const int flags = int(m_alignment) | Qt::AlignTop | (m_fitNumber ? Qt::TextSingleLine : Qt::TextWordWrap);
    painter.drawText(rect(), flags, m_text);
}

void TransparentLabel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A screen of another density changes the font too.
    if (event->type() == QEvent::FontChange)
        m_fittedRatio = 0;
}

void TransparentLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed();
}

void TransparentLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is not another press.
    event->accept();
}

} // namespace kalmoro
