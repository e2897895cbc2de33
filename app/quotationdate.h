#pragma once

#include <QDate>

namespace kalmoro {

// The date quotations carry: today's, or the one a test has fixed. An invalid date restores the
// clock.
QDate QuotationDate();
void SetQuotationDateForTesting(QDate date);

} // namespace kalmoro
