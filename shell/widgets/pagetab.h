#pragma once

#include <vector>

#include <QFont>
#include <QStringList>
#include <QWidget>

#include "layout.h"

namespace kalmoro {

// Numbered pages under a strip of headers along the top. Each page is a container the size of
// the whole tab, so its controls are placed from the tab's top-left and may cover the strip; a
// control shows only while its page is current and its own visibility is on.
class PageTab final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int currentPage READ currentPage WRITE setCurrentPage NOTIFY currentPageChanged)
    Q_PROPERTY(QStringList titles READ titles)
public:
    struct HeaderStyle {
        QFont font;
        int minimumHeight = 20;
        TabColours colours = TabColours::Plain;
    };

    PageTab(const QStringList &titles, const HeaderStyle &style, QWidget *parent = nullptr);

    QStringList titles() const { return m_titles; }
    int count() const { return int(m_pages.size()); }
    // The container that holds page index's controls, or nullptr for an index out of range.
    QWidget *page(int index) const;
    // The page that holds control, at any depth; -1 when none does.
    int pageOf(const QWidget *control) const;

    int currentPage() const { return m_current; }
    // Shows page index; an index out of range, or the page already shown, changes nothing.
    void setCurrentPage(int index);

    // Gives the focus to page index's first input box or radio button in Tab order; false when it
    // has none.
    bool focusFirstInput(int index);

    int headerHeight() const;
    QRect headerRect(int index) const;

Q_SIGNALS:
    void currentPageChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    friend class TabPage;
    void pressAt(QPoint point);

    QStringList m_titles;
    HeaderStyle m_style;
    std::vector<QWidget *> m_pages;
    int m_current = 0;
};

} // namespace kalmoro
