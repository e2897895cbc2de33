// Number text conversion against the C library routines it stands in for, on the same inputs and in the
// same run; prints how many times faster the program's conversion is.
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <QString>
#include <benchmark/benchmark.h>

#include "numbertext.h"

namespace {

struct Inputs {
    std::vector<double> values;
    std::vector<QString> texts; // NumberToText of each value
    std::vector<std::string> ascii; // the same texts for strtod
};

Inputs MakeInputs(std::vector<double> values)
{
    Inputs inputs;
    for (const double value : values) {
        inputs.texts.push_back(kalmoro::NumberToText(value));
        inputs.ascii.push_back(inputs.texts.back().toStdString());
    }
    inputs.values = std::move(values);
    return inputs;
}

// What the calculators show: prices, ratios, charges, lengths.
const Inputs &Typical()
{
    static const Inputs inputs = MakeInputs(
        {6.8, 9.2, 7.706666666667, 10.42666666667, 112.5, 8459.88, 68000, 60000, 1.0 / 3, 2.0 / 3, 28.0 / 30,
            0.8928571428571, 1.05, 26.25, 3.26, 0.76, 6.01, 15.12, 79.92, 116.21808, 145.2, 236.304, 0, 2.5});
    return inputs;
}

const Inputs &Random()
{
    static const Inputs inputs = [] {
        std::mt19937_64 random(42);
        std::vector<double> values;
        while (values.size() < 1024) {
            const double value = std::bit_cast<double>(random());
            if (std::isfinite(value))
                values.push_back(value);
        }
        return MakeInputs(std::move(values));
    }();
    return inputs;
}

void NumberToText(benchmark::State &state, const Inputs &(*inputs)())
{
    const auto &values = inputs().values;
    for (auto _ : state) {
        for (const double value : values)
            benchmark::DoNotOptimize(kalmoro::NumberToText(value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

void Snprintf(benchmark::State &state, const Inputs &(*inputs)())
{
    const auto &values = inputs().values;
    char text[40];
    for (auto _ : state) {
        for (const double value : values) {
            std::snprintf(text, sizeof text, "%.13g", value);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

void TextToNumber(benchmark::State &state, const Inputs &(*inputs)())
{
    const auto &texts = inputs().texts;
    for (auto _ : state) {
        for (const QString &text : texts)
            benchmark::DoNotOptimize(kalmoro::TextToNumber(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

void Strtod(benchmark::State &state, const Inputs &(*inputs)())
{
    const auto &texts = inputs().ascii;
    for (auto _ : state) {
        for (const std::string &text : texts)
            benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

BENCHMARK_CAPTURE(NumberToText, typical, Typical);
BENCHMARK_CAPTURE(Snprintf, typical, Typical);
BENCHMARK_CAPTURE(NumberToText, random, Random);
BENCHMARK_CAPTURE(Snprintf, random, Random);
BENCHMARK_CAPTURE(TextToNumber, typical, Typical);
BENCHMARK_CAPTURE(Strtod, typical, Typical);
BENCHMARK_CAPTURE(TextToNumber, random, Random);
BENCHMARK_CAPTURE(Strtod, random, Random);

// Remembers each benchmark's processor time per iteration (the machine may be busy with other work), for the
// ratios printed at the end.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            // With repetitions, the median stands for the benchmark.
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                m_times[run.run_name.str()] = run.GetAdjustedCPUTime();
        }
    }

    void PrintRatio(const std::string &ours, const std::string &library) const
    {
        const auto o = m_times.find(ours);
        const auto l = m_times.find(library);
        if (o != m_times.end() && l != m_times.end())
            std::printf(
                "ratio %-24s %-20s %.2fx faster\n", ours.c_str(), library.c_str(), l->second / o->second);
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char *set : {"typical", "random"}) {
        reporter.PrintRatio(std::string("NumberToText/") + set, std::string("Snprintf/") + set);
        reporter.PrintRatio(std::string("TextToNumber/") + set, std::string("Strtod/") + set);
    }
    benchmark::Shutdown();
    return 0;
}
