#pragma once

#include <vector>

#include <QWidget>

#include "job.h"
#include "pages/calculatorpage.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QTableWidgetItem;

namespace kalmoro {

// The branch joints of a job's pipe runs as quotation lines, at the prices the job keeps by model.
class TakeoffLines final : public PageJobLines
{
public:
    JobSource source() const override { return JobSource::Piping; }
    QList<JobLine> lines(const Job &job) const override;
    // The price typed on a joint's line is kept for its model.
    void keepTypedPrice(Job &job, const JobLine &line) const override;
};

// The job window's part 管路: the pipe runs from the outdoor unit to the indoor units, their sums by
// diameter and what a user checks in them, filled into the refrigerant and copper pages and added
// to the quotation. It edits the job it is given, which must outlive it, and says so by edited().
class PipingPart final : public QWidget
{
    Q_OBJECT
public:
    // The refrigerant and copper pages among pages take the sums.
    PipingPart(Job &job, const std::vector<const PageJobLines *> &pages, QWidget *parent);

    const PageJobLines &jobLines() const { return m_lines; }
    // Shows the job as it now stands, after it was replaced.
    void showRuns();
    // The sums and the checks, after the runs or the rooms changed.
    void showSummary();

Q_SIGNALS:
    void edited();
    // The joints are to be added to the quotation as the takeoff's lines.
    void addToQuotation();
    // The sums are about to be given to page, which the main window should show.
    void pageAsked(const PageJobLines *page);

private:
    QWidget *buildTable();
    QLayout *buildBelow();
    void addRun();
    void deleteRun();
    void moveRun(int offset);
    void cellEdited(QTableWidgetItem *item);
    void showRow(int row);
    // The liquid lengths, with the rooms' indoor units and outdoor unit once they can be filled too.
    void fillRefrigerant();
    void fillCopper();
    void addJoints();
    void refuse(const QString &reason);
    void changed();

    Job &m_job;
    TakeoffLines m_lines;
    const PipeLengthsTarget *m_refrigerant = nullptr;
    const IndoorUnitsTarget *m_indoorUnits = nullptr;
    const PipeLengthsTarget *m_copper = nullptr;
    const PageJobLines *m_refrigerantPage = nullptr;
    const PageJobLines *m_copperPage = nullptr;
    QTableWidget *m_table = nullptr;
    QLineEdit *m_allowance = nullptr;
    QPlainTextEdit *m_summary = nullptr;
    QLabel *m_notice = nullptr;
    bool m_showing = false; // while the cells are filled from the job, their edits change nothing
};

} // namespace kalmoro
