#include "widgets/pagetab.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

#include "palette.h"

namespace kalmoro {

namespace {
constexpr int kHeaderPadding = 8;
const QColor kOrange = QColor::fromRgb(palette::kBarOrange);
const QColor kHeaderGround = QColor::fromRgb(palette::kHeaderGround);
const QColor kHeaderLine = QColor::fromRgb(palette::kHeaderLine);
const QColor kHeaderText = QColor::fromRgb(palette::kDarkGrey);

// Something a user types into or chooses: an editable box or a radio button, never a browser.
bool isInput(const QWidget *widget)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return !box->isReadOnly();
    return qobject_cast<const QRadioButton *>(widget) != nullptr;
}
} // namespace

// The container of one page. Its blank places belong to the page, not to the window behind it,
// except over the header strip, where a press chooses a header.
class TabPage final : public QWidget
{
public:
    explicit TabPage(PageTab *tab)
        : QWidget(tab)
        , m_tab(tab)
    {
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton)
            m_tab->pressAt(event->position().toPoint());
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }

private:
    PageTab *m_tab;
};

PageTab::PageTab(const QStringList &titles, const HeaderStyle &style, QWidget *parent)
    : QWidget(parent)
    , m_titles(titles)
    , m_style(style)
{
    setFocusPolicy(Qt::NoFocus);
    for (int index = 0; index < titles.size(); ++index) {
        auto *container = new TabPage(this);
        container->setVisible(index == m_current);
        m_pages.push_back(container);
    }
}

QWidget *PageTab::page(int index) const
{
    return index >= 0 && index < count() ? m_pages[size_t(index)] : nullptr;
}

int PageTab::pageOf(const QWidget *control) const
{
    for (int index = 0; index < count(); ++index) {
        if (m_pages[std::size_t(index)]->isAncestorOf(control))
            return index;
    }
    return -1;
}

void PageTab::setCurrentPage(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    QWidget *leaving = m_pages[size_t(m_current)];
    const bool focusLeaves = leaving->isAncestorOf(QApplication::focusWidget());
    leaving->hide();
    m_current = index;
    m_pages[size_t(index)]->show();
    // A focus left on a hidden page would keep taking keys there: a hidden browser keeps Esc from
    // the window.
    if (focusLeaves && !focusFirstInput(index))
        window()->setFocus(Qt::OtherFocusReason);
    // Hidden, the tab is painted whole when shown; measuring its header now would load fonts
    // before the window's first frame.
    if (isVisible())
        update(0, 0, width(), headerHeight());
    Q_EMIT currentPageChanged(index);
}

bool PageTab::focusFirstInput(int index)
{
    QWidget *container = page(index);
    if (!container)
        return false;
    // The window's focus chain runs in Tab order, so the first input met is where Tab first stops.
    QWidget *top = window();
    for (QWidget *widget = top->nextInFocusChain(); widget != top; widget = widget->nextInFocusChain()) {
        if (isInput(widget) && (widget->focusPolicy() & Qt::TabFocus) && container->isAncestorOf(widget)
            && widget->isVisibleTo(container) && widget->isEnabled()) {
            widget->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

int PageTab::headerHeight() const
{
    return std::max(m_style.minimumHeight, QFontMetrics(m_style.font).height() + 4);
}

QRect PageTab::headerRect(int index) const
{
    const QFontMetrics metrics(m_style.font);
    int left = 0;
    for (int i = 0; i < count(); ++i) {
        const int width = metrics.horizontalAdvance(m_titles[i]) + 2 * kHeaderPadding;
        if (i == index)
            return {left, 0, width, headerHeight()};
        left += width;
    }
    return {};
}

void PageTab::resizeEvent(QResizeEvent *)
{
    for (QWidget *container : m_pages)
        container->setGeometry(rect());
}

void PageTab::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int strip = headerHeight();
    painter.fillRect(0, strip, width(), height() - strip, Qt::white);
    painter.setFont(m_style.font);
    const bool orange = m_style.colours == TabColours::Orange;
    painter.fillRect(0, 0, width(), strip, orange ? QColor(Qt::white) : kHeaderGround);
    painter.setPen(orange ? kOrange : kHeaderLine);
    painter.drawLine(0, strip - 1, width(), strip - 1);
    for (int index = 0; index < count(); ++index) {
        const QRect header = headerRect(index);
        const bool current = index == m_current;
        if (current)
            painter.fillRect(header, orange ? kOrange : QColor(Qt::white));
        painter.setPen(orange ? kOrange : kHeaderLine);
        painter.drawRect(header.adjusted(0, 0, -1, current ? 0 : -1));
        painter.setPen(current ? (orange ? QColor(Qt::white) : kOrange) : kHeaderText);
        painter.drawText(header, Qt::AlignCenter, m_titles[index]);
    }
}

void PageTab::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        pressAt(event->position().toPoint());
}

void PageTab::pressAt(QPoint point)
{
    if (point.y() >= headerHeight())
        return;
    for (int index = 0; index < count(); ++index) {
        if (headerRect(index).contains(point)) {
            setCurrentPage(index);
            return;
        }
    }
}

} // namespace kalmoro
