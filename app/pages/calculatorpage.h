#pragma once

#include <memory>
#include <span>
#include <vector>

#include <QDate>
#include <QKeySequence>

#include "job.h"
#include "page.h"
#include "quotation.h"

class QLineEdit;
class QWidget;

namespace kalmoro {

class EditBox;
class GraphicButton;

// The lines a page that prices something gives a job's customer quotation. A page without lines
// has none of these, so that nothing of it can reach the replacing of a job's lines.
class PageJobLines
{
public:
    virtual ~PageJobLines() = default;

    // Which of a job's lines the page gives, so that adding it again replaces them: the page's own,
    // never the lines the user typed.
    virtual JobSource source() const = 0;
    // The page's lines for the customer quotation of job, read from the controls as the page's
    // quotation() reads them; empty when the page quotes nothing.
    virtual QList<JobLine> lines(const Job &job) const = 0;
    // Takes note in job of the unit price the user typed on one of the page's lines, for a page that
    // keeps it for its next lines; a page that prices its lines itself keeps nothing.
    virtual void keepTypedPrice(Job &, const JobLine &) const { }
};

// A page that takes a job's indoor units, the refrigerant page: it is given them as the user would
// type them and click, with the liquid pipes' lengths of the job's pipe runs, then brings itself up
// to date.
class IndoorUnitsTarget
{
public:
    virtual ~IndoorUnitsTarget() = default;
    // The number of indoor units, their total capacity, the outdoor model by its index in
    // OutdoorModels, and the lengths as PipeLengthsTarget takes them; none leaves the lengths.
    virtual void takeIndoorUnits(int units, rooms::Centi capacity, qsizetype model,
        std::span<const rooms::Centi> liquidLengths) const = 0;
    // An outdoor unit of another make, which the page charges by its pipes only: its boxes of the
    // outdoor unit's part are then hidden, so nothing is typed into them but the lengths, as
    // takeIndoorUnits takes them.
    virtual void takeOtherMake(std::span<const rooms::Centi> liquidLengths) const = 0;
};

// A page that takes the lengths of a job's pipe runs, summed by diameter: the refrigerant page its
// liquid pipes, the copper page its metres. It is given them as the user would type them, then
// brings itself up to date.
class PipeLengthsTarget
{
public:
    virtual ~PipeLengthsTarget() = default;
    // In hundredths of a metre, a length a box in the order of the page's pipes; a box of 0 is left
    // empty.
    virtual void takePipeLengths(std::span<const rooms::Centi> lengths) const = 0;
};

// A page of the main tab that calculates: besides what every page has, its unit holds its Tab
// order, its sheet and its job lines. Adding a box to a page is one edit in its unit.
class CalculatorPage : public Page
{
public:
    void resolve(ControlResolver &controls) override = 0;
    void wire(QObject *context) const override = 0;
    // Its entry swaps the column's pictures, turns the tab, then puts the focus where Tab would
    // first stop.
    void enter(EntrySteps &steps) const override;
    // A control of the page, by which the main tab knows which of its pages this is.
    virtual QWidget *anchor() const = 0;
    // Brings the page's results up to date as clicks on its buttons would, messages included.
    virtual void bringUpToDate() const = 0;
    // What the page shows, as a customer receives it: read from the controls only, so bring the
    // page up to date first.
    virtual Quotation quotation(QDate date) const = 0;
    // What the page gives a job, or null for a page that prices nothing.
    virtual const PageJobLines *jobLines() const = 0;
};

// A key of a page that no picture shows, and what it does, as the boxes tell screen readers.
struct KeyNote {
    QKeySequence key;
    QString does;
};

// Enter in any of boxes finishes their section: it clicks button, so that the same handlers run as
// for a click. Each box tells screen readers its keys: Enter and the button's name, then pageKeys.
void FinishOnEnter(std::span<EditBox *const> boxes, GraphicButton &button, const QList<KeyNote> &pageKeys);

// Ctrl+Enter anywhere on the page, while it is shown, brings it up to date as a request for a
// sheet does; the note names the key for the boxes.
void WireBringUpToDateKey(const CalculatorPage &page, QObject *context);
KeyNote BringUpToDateNote();

// Links the Tab key through widgets in this order.
void ChainTabOrder(const std::vector<QWidget *> &order);

// For a page's sheet: a line with a box that was filled, as it stands.
void AddFilled(
    QList<QuotationLine> &lines, const QString &caption, const QLineEdit &box, const QString &unit = {});
// Whether a length other than 0 stands in the box: only such a pipe is quoted.
bool HasLength(const QLineEdit &metres);
// Puts typed in place of the box's text as the user's typing would, its edits signalled.
void TypeInto(QLineEdit &box, const QString &typed);
// A length in hundredths of a metre as the user types it; empty for 0.
QString TypedLength(rooms::Centi length);
// A number as a control shows it, as an exact decimal of the given decimals; 0 for no number.
qint64 ShownDecimal(const QString &shown, int decimals);

} // namespace kalmoro
