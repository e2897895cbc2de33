#include "drainpipepage.h"

#include <QStringList>

#include "controlresolver.h"
#include "drainpipetable.h"
#include "widgets/picturebox.h"

namespace kalmoro {

namespace {

QString text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace

DrainPipePage ResolveDrainPipePage(ControlResolver &controls)
{
    return {controls.get<PictureBox>(drainpipenames::kTable)};
}

void DescribeDrainPipeTable(const DrainPipePage &page)
{
    page.table->setAccessibleDescription(DrainPipeTableText());
}

QString DrainPipeTableText()
{
    using namespace drainpipe;
    QStringList bands;
    for (const Band &band : Bands) {
        bands << QStringLiteral("%1 %2：%3 %4")
                     .arg(text(kCapacityHeading), text(band.capacity), text(kPipeHeading), text(band.pipe));
    }
    return bands.join(u'；');
}

} // namespace kalmoro
