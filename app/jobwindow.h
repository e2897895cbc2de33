#pragma once

#include <array>
#include <vector>

#include <QWidget>

#include "job.h"
#include "pages/calculatorpage.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace kalmoro {

class PipingPart;
class RoomsPart;
struct Services;

// The job window 报价单: one customer quotation, edited beside the main window, kept in a .kalmoro
// file. Its shortcuts act only while it is the active window. It asks the user and reaches the
// plugins and the clock through services, which must outlive it.
class JobWindow final : public QWidget
{
    Q_OBJECT
public:
    // The pages are those that give a job lines, which outlive the window.
    JobWindow(const Services &services, std::vector<const PageJobLines *> pages);

    const Job &job() const { return m_job; }
    QString filePath() const { return m_path; }

    // The main window it opens beside, and the part of it that holds no navigation; both outlive it.
    void setCompanion(QWidget &main, QWidget &free);
    // Shows the window in front of the others, the first time beside the main window.
    void present();
    // Adds the page's lines as the page reads now; lines it gave before are replaced, after asking.
    void addPage(const PageJobLines &page);
    // Opens the job in the file at path in place of this one once unsaved changes are settled; a
    // file that cannot be read is reported and changes nothing. Gives whether it was opened.
    bool openFile(const QString &path);
    // Settles unsaved changes before the job is put aside: while there are any, asks whether to save
    // them; changes not saved are dropped, the window back on the saved job. Gives whether the job
    // may go.
    bool settleChanges();

    void newJob();
    void chooseAndOpen();
    bool save();
    bool saveAs();

Q_SIGNALS:
    // The rooms are about to be given to page, which the main window should show.
    void pageAsked(const PageJobLines *page);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void build();
    QLayout *buildHeads();
    void buildLines();
    QLayout *buildNumbers();
    QLayout *buildNotes();
    void buildLineActions(QBoxLayout &buttons);
    void addActions();
    void addLine();
    void deleteLine();
    void replaceJob(const Job &job, const QString &path);
    void showJob();
    // The table from the job's lines, and the subtotal with it; one row of it.
    void showLines();
    void showLine(int row);
    void showTotals();
    void lineEdited(QTableWidgetItem *item);
    void moveLine(int offset);
    void changed();
    void showTitle();
    // Tells screen readers the line's new amount and the new total, once its cell is committed.
    void tellLineAndTotal(int row);
    void tellTitle();
    // The job's name as its title and questions give it: the customer, else 未命名.
    QString jobName() const;
    // Says beside the lines why what was typed or asked for was not taken; an empty reason clears it.
    void refuse(const QString &reason);
    // Keeps the dealer's header for new jobs while the box asks for it, else forgets it.
    void keepDealer();
    bool writeTo(const QString &path);

    const Services &m_services;
    // The pages, then the job's own pipe takeoff.
    std::vector<const PageJobLines *> m_pages;
    Job m_job;
    Job m_saved; // as last saved or opened
    QString m_path; // empty until the job is saved or opened
    QString m_toldTitle; // the title as screen readers last heard of it
    // The boxes of the job's text fields, in the order of its table of fields.
    std::array<QLineEdit *, 7> m_fields {};
    QDateEdit *m_date = nullptr;
    QSpinBox *m_validity = nullptr;
    QPlainTextEdit *m_notes = nullptr;
    QTableWidget *m_lines = nullptr;
    RoomsPart *m_rooms = nullptr;
    PipingPart *m_piping = nullptr;
    // The boxes of the discount and the tax rate, in the order of the table of numbers.
    std::array<QLineEdit *, 2> m_numbers {};
    QLabel *m_totals = nullptr;
    QLabel *m_notice = nullptr; // why the last edit was not taken
    QWidget *m_main = nullptr;
    QWidget *m_free = nullptr;
    bool m_placed = false;
    Fen m_subtotal = 0; // of m_job's lines, kept up to date line by line
    QCheckBox *m_rememberDealer = nullptr;
    QString m_dealerFailure; // why the dealer could not be kept at the last try; empty when it was
    bool m_showing = false; // while the widgets are filled from the job, their edits change nothing
};

} // namespace kalmoro
