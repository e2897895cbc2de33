#pragma once

#include <vector>

#include <QWidget>

#include "job.h"
#include "pages/calculatorpage.h"
#include "roomtypememory.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace kalmoro {

// The job window's part 房间与室内机: the rooms of the site with their loads and indoor units, the
// diversity factor, the outdoor unit and the summary. It edits the job it is given, which must
// outlive it, and says so by edited().
class RoomsPart final : public QWidget
{
    Q_OBJECT
public:
    // The refrigerant page among pages takes the rooms' indoor units.
    RoomsPart(Job &job, const std::vector<const PageJobLines *> &pages, QWidget *parent);

    // Shows the job as it now stands, after it was replaced.
    void showRooms();

Q_SIGNALS:
    void edited();
    // The rooms are about to be given to page, which the main window should show.
    void pageAsked(const PageJobLines *page);

private:
    QWidget *buildTable();
    QLayout *buildBelow();
    QWidget *buildOtherOutdoor();
    // The outdoor unit as the job holds it: the combo's choice, and another make's boxes shown while
    // it is chosen.
    void showOutdoor();
    void addRoom();
    void deleteRoom();
    void moveRoom(int offset);
    void cellEdited(QTableWidgetItem *item);
    // The computed cells of row, and the summary.
    void showComputed(int row);
    void showSummary();
    void suggestOutdoor();
    // Gives the refrigerant page the rooms' indoor units and the chosen outdoor unit.
    void fillRefrigerant();
    // Takes note of the room's type when it is the user's own, kept for new jobs while asked to.
    void noteOwnType(const rooms::Room &room);
    void keepOwnTypes();
    void refuse(const QString &reason);
    void changed();

    Job &m_job;
    const IndoorUnitsTarget *m_refrigerant = nullptr;
    const PageJobLines *m_refrigerantLines = nullptr;
    QTableWidget *m_table = nullptr;
    QLineEdit *m_diversity = nullptr;
    QComboBox *m_outdoor = nullptr;
    QWidget *m_otherOutdoor = nullptr; // another make's model and capacity
    QLineEdit *m_otherModel = nullptr;
    QLineEdit *m_otherCapacity = nullptr;
    QCheckBox *m_keepTypes = nullptr;
    QList<OwnRoomType> m_ownTypes; // in the order they were first typed
    QLabel *m_summary = nullptr;
    QLabel *m_notice = nullptr;
    bool m_showing = false; // while the cells are filled from the job, their edits change nothing
};

} // namespace kalmoro
