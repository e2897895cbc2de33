#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "job.h"
#include "jobquotation.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

// Whatever the bytes, the reader either refuses them with a reason or gives a job that is written
// and read back unchanged, whose lines the job window would take as they are, and whose money,
// rooms' loads, pipe sums and quotation are computed without overflow.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const kalmoro::JobReadResult read
        = kalmoro::ReadJob(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    Check(read.job.has_value() == read.error.isEmpty());
    if (!read.job)
        return 0;
    const kalmoro::JobReadResult again = kalmoro::ReadJob(kalmoro::WriteJob(*read.job));
    Check(again.job == read.job);
    for (const kalmoro::JobLine &line : read.job->lines)
        Check(kalmoro::JobLineRefusal(line).isEmpty());
    const kalmoro::JobTotals totals = kalmoro::Totals(*read.job);
    Check(totals.subtotal - totals.discount + totals.tax == totals.total);
    const kalmoro::rooms::Summary rooms = kalmoro::rooms::Summarize(read.job->rooms, read.job->diversity);
    Check(rooms.load >= 0 && rooms.indoorCapacity >= 0 && rooms.diversifiedLoad <= rooms.load);
    Check(!kalmoro::rooms::SuggestOutdoor(rooms) || rooms.indoorCapacity > 0);
    const kalmoro::piping::Sums pipes = kalmoro::piping::Sum(read.job->runs, read.job->allowance);
    Check(pipes.total >= 0 && pipes.joints >= 0);
    const kalmoro::piping::Checks checks = kalmoro::piping::Check(read.job->runs, read.job->rooms);
    Check(checks.longestPath >= 0 && checks.longestPath <= pipes.total);
    Check(!kalmoro::SheetText(kalmoro::SheetOf(*read.job)).isEmpty());
    return 0;
}
