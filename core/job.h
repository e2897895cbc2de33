#pragma once

#include <optional>

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include "piping.h"
#include "rooms.h"

namespace kalmoro {

// Money and quantities are exact decimals held as integers of a fixed number of decimals, so that
// amounts and totals never pass through binary floating point.
using Fen = qint64; // 0.01 元
using Milli = qint64; // a quantity in thousandths of its unit: metres to the millimetre, KG to the gram
// A unit price in millionths of a 元: a price a page computes (market price × 1.2) then carries into
// the line's amount within a small fraction of a fen, up to thousands of metres.
using MicroYuan = qint64;
using BasisPoints = qint64; // a rate in hundredths of a percent

inline constexpr int FenDecimals = 2;
inline constexpr int MilliDecimals = 3;
inline constexpr int MicroYuanDecimals = 6;
inline constexpr int BasisPointDecimals = 2; // of a percent

// Bounds that keep every amount, the subtotal of the most lines and its tax inside 64 bits.
inline constexpr qsizetype MaxJobLines = 10'000;
inline constexpr Milli MaxQuantity = 1'000'000'000; // one million units
inline constexpr MicroYuan MaxUnitPrice = 1'000'000'000'000; // one million 元
inline constexpr Fen MaxDiscount = 100'000'000'000'000; // one trillion 元, the most lines' subtotal
inline constexpr BasisPoints MaxTaxRate = 10'000; // 100 %
inline constexpr int MaxValidityDays = 3'650;
// Texts a line or a field of the job holds: the longest a serious use needs, and short enough that
// a file of them lays out in the window at once (a box lays out one line of millions of characters
// for minutes).
inline constexpr qsizetype MaxTextLength = 500;
inline constexpr qsizetype MaxNotesLength = 5'000;
// Larger files are refused before they are parsed.
inline constexpr qsizetype MaxJobFileBytes = 10 * 1024 * 1024;

// Where a line came from: typed in the job by the user, added from a calculator page, or from the
// job's pipe takeoff.
enum class JobSource { Typed, Refrigerant, Copper, Vents, Piping };
// The file's names of the sources are checked against it.
inline constexpr JobSource LastJobSource = JobSource::Piping;

struct JobLine {
    QString description;
    Milli quantity = 0;
    QString unit;
    MicroYuan unitPrice = 0;
    JobSource source = JobSource::Typed;
    bool operator==(const JobLine &) const = default;
};

struct Customer {
    QString name;
    QString phone;
    QString address;
    bool operator==(const Customer &) const = default;
};

struct Dealer {
    QString company;
    QString contact;
    QString phone;
    bool operator==(const Dealer &) const = default;
};

// One customer quotation (工程): who it is for, who gives it, its lines and what is taken off and
// added below them.
struct Job {
    Customer customer;
    QString site;
    Dealer dealer;
    QDate date;
    int validityDays = 0;
    QString notes;
    QList<JobLine> lines;
    Fen discount = 0; // taken off the subtotal; 0 for none
    BasisPoints taxRate = 0; // added on the discounted subtotal; 0 for none
    MicroYuan refrigerantUnitPrice = 0; // the price per KG last typed for the refrigerant line
    // The rooms of the site, the share of their loads that occurs at once, and the outdoor unit
    // chosen for them: a model of the refrigerant page by its name, or empty for none yet; or, while
    // otherOutdoorChosen, another make's unit as typed, kept when a model of the page is chosen again.
    QList<rooms::Room> rooms;
    rooms::Centi diversity = rooms::DefaultDiversity;
    QString outdoorModel;
    bool otherOutdoorChosen = false;
    QString otherOutdoorModel;
    rooms::Centi otherOutdoorCapacity = 0; // kW; 0 until typed
    // The pipe runs laid from the outdoor unit, the allowance added to their copper for bends and
    // waste, and the prices typed for the branch joints by model.
    QList<piping::PipeRun> runs;
    piping::Centi allowance = 0;
    QList<piping::JointPrice> jointPrices;
    bool operator==(const Job &) const = default;
};

struct JobTotals {
    Fen subtotal = 0; // the sum of the lines' rounded amounts
    Fen discount = 0;
    Fen tax = 0; // on subtotal − discount, rounded half-up to the fen
    Fen total = 0; // subtotal − discount + tax
    bool operator==(const JobTotals &) const = default;
};

// quantity × unit price, rounded half away from zero to the fen. Exact within the bounds above.
Fen LineAmount(const JobLine &line);
JobTotals Totals(const Job &job);
// The sum of the lines' rounded amounts, and the totals of job at a subtotal known already, for a
// window that keeps its subtotal up to date line by line.
Fen Subtotal(const Job &job);
JobTotals TotalsOf(const Job &job, Fen subtotal);

// The decimal text of value held with the given decimals, at least minDecimals of them shown
// ("12.50" for 1250 with 2); trailing zeros beyond minDecimals are dropped.
QString FormatDecimal(qint64 value, int decimals, int minDecimals);
// Money as the quotation shows it: "1234.50".
QString FormatYuan(Fen amount);
// Quantities and unit prices: as many decimals as they need, unit prices at least two.
QString FormatQuantity(Milli quantity);
QString FormatUnitPrice(MicroYuan price);
QString FormatTaxRate(BasisPoints rate); // "6", "6.5", without the % sign

// text as a decimal of the given decimals: an optional '-', digits, an optional '.' and digits, with
// surrounding white space; their full-width forms too. More decimals than held are rounded half away
// from zero; nothing else (no exponent, no thousands separator) is taken. Empty when the text is no
// such number or does not fit in 64 bits.
std::optional<qint64> ParseDecimal(QStringView text, int decimals);
// A value a page computed in floating point, as the shortest decimal that reads back as the same double,
// rounded half away from zero to the decimals; empty when not finite or too large.
std::optional<qint64> DecimalFromDouble(double value, int decimals);

// Why line cannot be held by a job: a quantity, a unit price or a text beyond the bounds a job file is
// read with, said in Chinese; empty when it can. What the program writes, it can read again.
QString JobLineRefusal(const JobLine &line);
// Why the lines from source cannot take the place of the job's earlier lines from source: one of them
// is refused, or the job would hold more than MaxJobLines; empty when they can.
QString ReplaceRefusal(const Job &job, JobSource source, const QList<JobLine> &lines);

// Whether the job has lines from that page.
bool HasSourceLines(const Job &job, JobSource source);
// Puts lines in place of the job's earlier lines from a page's source: where the first of them stood,
// or at the end when there were none. Lines typed by the user and from other pages stay as they are;
// the lines the user typed are never replaced, and with Typed nothing changes.
void ReplaceSourceLines(Job &job, JobSource source, const QList<JobLine> &lines);

// The job file: UTF-8 JSON whose first member, within the first 64 bytes, is the marker
// "kalmoro-job" with the format version as its value. Version 2 added the rooms, version 3 the pipe
// runs and another make's outdoor unit; older files open as jobs without what came later.
inline constexpr int JobFormatVersion = 3;
inline constexpr int OldestJobFormatVersion = 1;
inline constexpr QStringView JobFileSuffix = u"kalmoro";
QByteArray WriteJob(const Job &job);

struct JobReadResult {
    std::optional<Job> job;
    QString error; // in Chinese, saying what is wrong; empty when job is set
};
// Refuses files over MaxJobFileBytes, text that is not JSON, another format version, and missing,
// mistyped or out-of-range members, naming the member.
JobReadResult ReadJob(const QByteArray &data);

} // namespace kalmoro
