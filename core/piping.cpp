#include "piping.h"

#include <algorithm>
#include <functional>

#include <QHash>

#include "job.h"

namespace kalmoro::piping {

namespace {

constexpr Centi WholeAllowance = 10'000; // 100 % in hundredths of a percent
// Diameters in hundredths of a millimetre that differ by this much at most are one pipe: 9.52 and
// 9.53 are 3/8 inch rounded either way.
constexpr qint64 SameDiameter = 1;

// The diameter a refrigerant page's label ends with, after its Φ.
QStringView LiquidDiameter(const refrigerant::LiquidPipe &pipe)
{
    return pipe.name.sliced(pipe.name.lastIndexOf(u'Φ') + 1);
}

qint64 Hundredths(QStringView diameter)
{
    return ParseDecimal(diameter, CentiDecimals).value_or(-1);
}

bool Same(QStringView a, QStringView b)
{
    return std::abs(Hundredths(a) - Hundredths(b)) <= SameDiameter;
}

// The strongly connected component of each of the places the runs join, from and to giving each
// run's ends; a run lies on a loop when both its ends are in one.
QList<int> Components(const QList<QList<qsizetype>> &leaving, const QList<int> &from, const QList<int> &to)
{
    const qsizetype places = leaving.size();
    QList<QList<qsizetype>> arriving(places);
    for (qsizetype run = 0; run < to.size(); ++run)
        arriving[to[run]] << run;
    // The places in the order their walks along the runs finish.
    QList<int> finished;
    finished.reserve(places);
    QList<bool> seen(places, false);
    for (int start = 0; start < places; ++start) {
        if (seen[start])
            continue;
        seen[start] = true;
        QList<std::pair<int, qsizetype>> path {{start, 0}}; // a place, and its next run to follow
        while (!path.isEmpty()) {
            const auto [at, next] = path.last();
            if (next < leaving[at].size()) {
                ++path.last().second;
                const int onward = to[leaving[at][next]];
                if (!seen[onward]) {
                    seen[onward] = true;
                    path.append({onward, 0});
                }
            } else {
                finished << at;
                path.removeLast();
            }
        }
    }
    // Back along the runs from the last finished: each walk gathers one component.
    QList<int> component(places, -1);
    int components = 0;
    for (qsizetype k = finished.size() - 1; k >= 0; --k) {
        if (component[finished[k]] >= 0)
            continue;
        QList<int> waiting {finished[k]};
        component[finished[k]] = components;
        while (!waiting.isEmpty()) {
            const int at = waiting.takeLast();
            for (qsizetype run : arriving[at]) {
                if (component[from[run]] < 0) {
                    component[from[run]] = components;
                    waiting << from[run];
                }
            }
        }
        ++components;
    }
    return component;
}

} // namespace

using rooms::ReadBounded;
using rooms::RoundedDivide;

std::optional<std::size_t> LiquidOfRow(std::size_t row)
{
    for (std::size_t i = 0; i < LiquidDiameters; ++i) {
        if (row < Diameters
            && Same(LiquidDiameter(refrigerant::LiquidPipes[i]), copper::PipeRows[row].diameter))
            return i;
    }
    return std::nullopt;
}

QString DiameterText(std::size_t row)
{
    return copper::PipeRows[row].diameter.toString();
}

QString LiquidDiameterText(std::size_t liquid)
{
    return LiquidDiameter(refrigerant::LiquidPipes[liquid]).toString();
}

std::optional<std::size_t> RowOfDiameter(QStringView text)
{
    QStringView typed = text.trimmed();
    if (typed.startsWith(u'Φ') || typed.startsWith(u'φ'))
        typed = typed.sliced(1).trimmed();
    const std::optional<qint64> hundredths = ParseDecimal(typed, CentiDecimals);
    if (!hundredths)
        return std::nullopt;
    for (std::size_t row = 0; row < Diameters; ++row) {
        if (Hundredths(copper::PipeRows[row].diameter) == *hundredths)
            return row;
        const std::optional<std::size_t> liquid = LiquidOfRow(row);
        if (liquid && Hundredths(LiquidDiameter(refrigerant::LiquidPipes[*liquid])) == *hundredths)
            return row;
    }
    return std::nullopt;
}

CellValue ReadLength(QStringView text)
{
    return ReadBounded(text, u"长度", 0, MaxLength, u" m");
}

CellValue ReadJoints(QStringView text)
{
    const std::optional<qint64> hundredths = ParseDecimal(text, CentiDecimals);
    const std::optional<qint64> whole = ParseDecimal(text, 0);
    if (text.trimmed().isEmpty())
        return {0, {}};
    if (!hundredths)
        return {std::nullopt, QStringLiteral("分歧管数“%1”不是数").arg(text)};
    if (*hundredths != *whole * 100 || *whole < 0 || *whole > MaxJoints)
        return {std::nullopt, QStringLiteral("分歧管数应为 0 至 %1 的整数").arg(MaxJoints)};
    return {whole, {}};
}

CellValue ReadAllowance(QStringView text)
{
    return ReadBounded(text, u"损耗余量", 0, MaxAllowance, u" %");
}

CellValue ReadDiameter(QStringView text, bool liquid)
{
    const QString what = liquid ? QStringLiteral("液管") : QStringLiteral("气管");
    if (text.trimmed().isEmpty())
        return {std::nullopt, QStringLiteral("请选择%1管径").arg(what)};
    const std::optional<std::size_t> row = RowOfDiameter(text);
    if (!row)
        return {std::nullopt, QStringLiteral("%1管径“%2”不是铜管价格中的管径").arg(what, text)};
    if (liquid && !LiquidOfRow(*row))
        return {std::nullopt, QStringLiteral("液管管径“%1”不是加氟计算中的液管").arg(text)};
    return {qint64(*row), {}};
}

Sums Sum(const QList<PipeRun> &runs, Centi allowance)
{
    Sums sums;
    for (const PipeRun &run : runs) {
        if (const std::optional<std::size_t> liquid = LiquidOfRow(std::size_t(run.liquid)))
            sums.liquid[*liquid] += run.length;
        sums.copper[std::size_t(run.liquid)] += run.length;
        sums.copper[std::size_t(run.gas)] += run.length;
        sums.joints += run.joints;
        sums.total += run.length;
    }
    for (std::size_t row = 0; row < Diameters; ++row)
        sums.copperWithAllowance[row]
            = RoundedDivide(sums.copper[row] * (WholeAllowance + allowance), WholeAllowance);
    return sums;
}

QStringList IndoorEnds(const QList<rooms::Room> &rooms)
{
    QStringList ends;
    for (const rooms::Room &room : rooms) {
        const QString name = room.name.trimmed();
        if (!name.isEmpty() && !ends.contains(name))
            ends << name;
        const QString unit = (name + u' ' + room.unit.model.trimmed()).trimmed();
        if (!room.unit.model.trimmed().isEmpty() && !ends.contains(unit))
            ends << unit;
    }
    return ends;
}

Checks Check(const QList<PipeRun> &runs, const QList<rooms::Room> &rooms)
{
    Checks checks;
    // The places the runs join, by their trimmed names; the outdoor unit is place 0.
    QHash<QString, int> places {{OutdoorUnit.toString(), 0}};
    const auto place = [&places](const QString &name) {
        return *places.insert(name.trimmed(), int(places.value(name.trimmed(), int(places.size()))));
    };
    QList<int> from;
    QList<int> to;
    for (const PipeRun &run : runs) {
        from << place(run.from);
        to << place(run.to);
    }
    QList<QList<qsizetype>> leaving(places.size());
    QList<int> ending(places.size(), 0); // how many runs end at each place
    for (qsizetype i = 0; i < runs.size(); ++i) {
        leaving[from[i]] << i;
        ++ending[to[i]];
    }
    const QList<int> component = Components(leaving, from, to);
    QList<bool> onLoop(runs.size(), false);
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const PipeRun &run = runs[i];
        if (run.liquid > run.gas)
            checks.liquidLarger << i;
        if (run.length == 0)
            checks.zeroLength << i;
        // Another run's end: a run that ends where it starts is not one.
        const bool known = from[i] == 0 || ending[from[i]] > (to[i] == from[i] ? 1 : 0);
        if (!known) {
            checks.unknownStart << i;
            continue;
        }
        onLoop[i] = component[from[i]] == component[to[i]];
        if (onLoop[i])
            checks.inLoop << i;
    }
    // Longest from each place along the runs outside loops, which form no loop of their own.
    QList<Centi> longest(places.size(), -1);
    const std::function<Centi(int)> longestFrom = [&](int at) {
        if (longest[at] >= 0)
            return longest[at];
        Centi most = 0;
        for (qsizetype run : leaving[at]) {
            if (!onLoop[run])
                most = std::max(most, runs[run].length + longestFrom(to[run]));
        }
        return longest[at] = most;
    };
    checks.longestPath = longestFrom(0);

    // The places reached from the outdoor unit along the runs outside loops.
    QList<bool> fromOutdoor(places.size(), false);
    fromOutdoor[0] = true;
    for (QList<int> waiting {0}; !waiting.isEmpty();) {
        const int at = waiting.takeLast();
        for (qsizetype run : leaving[at]) {
            if (!onLoop[run] && !fromOutdoor[to[run]]) {
                fromOutdoor[to[run]] = true;
                waiting << to[run];
            }
        }
    }
    for (const rooms::Room &room : rooms) {
        const QStringList ends = IndoorEnds({room});
        if (ends.isEmpty())
            continue;
        const bool isReached = std::any_of(ends.cbegin(), ends.cend(),
            [&](const QString &end) { return places.contains(end) && fromOutdoor[places.value(end)]; });
        if (!isReached)
            checks.unreached << ends.last();
    }
    return checks;
}

QList<JointLine> JointLines(const QList<PipeRun> &runs, const QList<JointPrice> &prices)
{
    QList<JointLine> lines;
    for (const PipeRun &run : runs) {
        if (run.joints == 0)
            continue;
        const QString model
            = run.jointModel.trimmed().isEmpty() ? UnnamedJoint.toString() : run.jointModel.trimmed();
        auto line = std::find_if(
            lines.begin(), lines.end(), [&model](const JointLine &kept) { return kept.model == model; });
        if (line == lines.end()) {
            const auto price = std::find_if(prices.cbegin(), prices.cend(),
                [&model](const JointPrice &kept) { return kept.model == model; });
            lines.append({model, 0, price == prices.cend() ? 0 : price->unitPrice});
            line = lines.end() - 1;
        }
        line->count += run.joints;
    }
    return lines;
}

} // namespace kalmoro::piping
