#include "drainpipepage.h"

#include <QStringList>

#include "accessibility.h"
#include "controlresolver.h"
#include "drainpipetable.h"
#include "layoutnotes.h"
#include "widgets/picturebox.h"

namespace kalmoro {

namespace {

using namespace layoutnotes;

constexpr LayoutRow kRows[] = {
    {drainpipenames::kTable, Kind::PictureBox, MainPage(kDrainPipeUnit.page), {23, 37, 750, 500}, true, u"",
        {assets::Asset::img142}, kNone},
};

QString text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// The table in words, band by band in the picture's order: capacity, then pipe size.
QStringList tableRows()
{
    using namespace drainpipe;
    QStringList bands;
    for (const Band &band : Bands) {
        bands << QStringLiteral("%1 %2：%3 %4")
                     .arg(text(kCapacityHeading), text(band.capacity), text(kPipeHeading), text(band.pipe));
    }
    return bands;
}

class DrainPipeUnit final : public Page
{
public:
    void resolve(ControlResolver &controls) override
    {
        m_table = controls.get<PictureBox>(drainpipenames::kTable);
    }

    // The picture reads as a list of its table's rows, one item a band, and Tab reaches it.
    void wire(QObject *) const override
    {
        const QStringList rows = tableRows();
        ReadAsList(*m_table, rows);
        // Read at once when the table takes the focus, not only item by item.
        m_table->setAccessibleDescription(rows.join(u'；'));
        m_table->setFocusPolicy(Qt::TabFocus);
    }
    void enter(EntrySteps &steps) const override
    {
        Page::enter(steps);
        steps.focus(*m_table);
    }

private:
    PictureBox *m_table = nullptr;
};

} // namespace

std::span<const LayoutRow> DrainPipeRows()
{
    return kRows;
}

std::unique_ptr<Page> MakeDrainPipePage(const Services &)
{
    return std::make_unique<DrainPipeUnit>();
}

} // namespace kalmoro
