#include "widgets/valuetable.h"

#include <QHeaderView>

namespace kalmoro {

namespace {
// A row holds one line of the 12 px user-interface font with a little air, so that a chart of a
// couple of dozen rows shows whole on a page.
constexpr int kRowHeight = 20;
} // namespace

ValueTable::ValueTable(QWidget *parent)
    : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void ValueTable::updateGeometries()
{
    m_geometriesPending = !isVisible();
    if (!m_geometriesPending)
        QTableWidget::updateGeometries();
}

void ValueTable::showEvent(QShowEvent *event)
{
    QTableWidget::showEvent(event);
    if (m_geometriesPending)
        updateGeometries();
}

} // namespace kalmoro
