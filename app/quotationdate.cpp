#include "quotationdate.h"

namespace kalmoro {

namespace {

QDate &fixedDate()
{
    static QDate date;
    return date;
}

} // namespace

QDate QuotationDate()
{
    return fixedDate().isValid() ? fixedDate() : QDate::currentDate();
}

void SetQuotationDateForTesting(QDate date)
{
    fixedDate() = date;
}

} // namespace kalmoro
