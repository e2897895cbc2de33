#pragma once

#include <QTableWidget>

namespace kalmoro {

// A table of values to read, not to change; the columns share the width, and Tab leaves the table,
// as it leaves every other control, instead of walking its cells.
//
// Qt measures a table's header in the bold face, whatever the header shows, each time the columns
// change. A table on a page not shown yet leaves its header and scroll bars until it is shown, so
// that filling it at start-up loads no face that nothing on screen uses.
class ValueTable final : public QTableWidget
{
    Q_OBJECT
public:
    explicit ValueTable(QWidget *parent = nullptr);

protected:
    void updateGeometries() override;
    void showEvent(QShowEvent *event) override;

private:
    bool m_geometriesPending = false;
};

} // namespace kalmoro
