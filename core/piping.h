#pragma once

#include <array>
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "copper.h"
#include "refrigerant.h"
#include "rooms.h"

namespace kalmoro::piping {

// Lengths are exact decimals in hundredths of a metre, the allowance in hundredths of a percent.
using Centi = rooms::Centi;
inline constexpr int CentiDecimals = rooms::CentiDecimals;

// Where every path of the piping starts.
inline constexpr QStringView OutdoorUnit = u"室外机";

// What a cell of a run takes; anything else is refused with its reason.
inline constexpr Centi MaxLength = 100'000; // 1000 m, beyond any one run
inline constexpr int MaxJoints = 99;
inline constexpr Centi MaxAllowance = 10'000; // 100 %
inline constexpr qsizetype MaxRuns = 1'000;

// The pipes are the copper page's rows; a liquid pipe is also one of the refrigerant page's.
inline constexpr std::size_t Diameters = copper::PipeRows.size();
inline constexpr std::size_t LiquidDiameters = refrigerant::LiquidPipes.size();

// One pipe run of the takeoff: from the outdoor unit or another run's end to a branch or an indoor
// unit, its liquid and gas pipes by their row of the copper page, and the branch joints at its end.
struct PipeRun {
    QString from = OutdoorUnit.toString();
    QString to;
    // Rows of copper::PipeRows, the liquid pipe's also a liquid pipe of the refrigerant page; a new
    // run has the pair of the smallest indoor units, 6.35 and 12.7.
    int liquid = 0;
    int gas = 2;
    Centi length = 0;
    int joints = 0;
    QString jointModel;
    bool operator==(const PipeRun &) const = default;
};

// A unit price typed for a model of branch joint, kept by the job for its next lines.
struct JointPrice {
    QString model;
    qint64 unitPrice = 0; // in millionths of a 元, as the job's lines
    bool operator==(const JointPrice &) const = default;
};

// The refrigerant page's liquid pipe of a copper row, or empty when the row is no liquid pipe. The
// two pages name 3/8 inch 9.52 and 9.53; a pipe is the same when the diameters differ by less than
// a rounding of the last digit.
std::optional<std::size_t> LiquidOfRow(std::size_t row);
// A diameter as the copper page shows it ("9.53"), and the row a typed diameter names: the copper
// page's or the refrigerant page's spelling.
QString DiameterText(std::size_t row);
// A liquid pipe's diameter as the refrigerant page shows it ("9.52").
QString LiquidDiameterText(std::size_t liquid);
std::optional<std::size_t> RowOfDiameter(QStringView text);

// A cell's text read as its value, or the reason it is refused.
using CellValue = rooms::CellValue;
CellValue ReadLength(QStringView text);
CellValue ReadJoints(QStringView text);
CellValue ReadAllowance(QStringView text);
// The copper row of a diameter; a liquid pipe must be one of the refrigerant page's.
CellValue ReadDiameter(QStringView text, bool liquid);

struct Sums {
    std::array<Centi, LiquidDiameters> liquid {}; // in the order of refrigerant::LiquidPipes
    std::array<Centi, Diameters> copper {}; // liquid and gas, in the order of copper::PipeRows
    std::array<Centi, Diameters> copperWithAllowance {}; // each rounded to 0.01 m
    int joints = 0;
    Centi total = 0; // the runs' lengths
    bool operator==(const Sums &) const = default;
};
Sums Sum(const QList<PipeRun> &runs, Centi allowance);

// What a user checks before trusting the sums; rows are the runs' indices.
struct Checks {
    QList<qsizetype> liquidLarger; // a liquid pipe larger than its gas pipe
    QList<qsizetype> zeroLength;
    QList<qsizetype> unknownStart; // starting neither at the outdoor unit nor at a run's end
    QList<qsizetype> inLoop; // on a loop, or reached from one only
    QStringList unreached; // indoor units of the rooms that no run from the outdoor unit reaches
    Centi longestPath = 0; // from the outdoor unit, along runs outside loops
    bool operator==(const Checks &) const = default;
};
Checks Check(const QList<PipeRun> &runs, const QList<rooms::Room> &rooms);

// The ends a run may reach: the rooms by name, and their indoor units as "name model".
QStringList IndoorEnds(const QList<rooms::Room> &rooms);

// A line per joint model, in the order the models first appear: the model, the joints, the price
// the job keeps for it.
struct JointLine {
    QString model;
    int count = 0;
    qint64 unitPrice = 0;
    bool operator==(const JointLine &) const = default;
};
QList<JointLine> JointLines(const QList<PipeRun> &runs, const QList<JointPrice> &prices);
// The description of joints whose model was not typed.
inline constexpr QStringView UnnamedJoint = u"分歧管";

} // namespace kalmoro::piping
