// The numeric layer's formats and parses beside the C library's nearest routines.
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "numeric/format.h"
#include "numeric/parse.h"
#include "numeric/real48.h"

namespace {

namespace n = quendral::numeric;

// Values as the design sheet shows them: loads, moments, areas (stored as 48-bit reals).
const std::vector<long double>& sheetValues()
{
    static const std::vector<long double> values = [] {
        std::mt19937_64 rng(1);
        std::vector<long double> v;
        for (int i = 0; i < 1024; ++i) {
            const long double x = static_cast<long double>(rng() % 100000000) / 997.0L;
            v.push_back(n::stored(x).value());
        }
        return v;
    }();
    return values;
}

// Values over the whole double range, 1e-300 to 1e300.
const std::vector<long double>& wideValues()
{
    static const std::vector<long double> values = [] {
        std::mt19937_64 rng(2);
        std::vector<long double> v;
        for (int i = 0; i < 1024; ++i) {
            const double mant = 1.0 + static_cast<double>(rng() % 1000000) / 1000000.0;
            const int e = static_cast<int>(rng() % 601) - 300;
            v.push_back(static_cast<long double>(mant) * std::pow(10.0L, e));
        }
        return v;
    }();
    return values;
}

// Values over the whole extended range, 1e-4950 to 1e4930.
const std::vector<long double>& extremeValues()
{
    static const std::vector<long double> values = [] {
        std::mt19937_64 rng(5);
        std::vector<long double> v;
        for (int i = 0; i < 1024; ++i) {
            const double mant = 1.0 + static_cast<double>(rng() % 1000000) / 1000000.0;
            const int e = static_cast<int>(rng() % 9881) - 4950;
            v.push_back(static_cast<long double>(mant) * std::pow(10.0L, e));
        }
        return v;
    }();
    return values;
}

// Input texts: what users type into the sheet.
const std::vector<std::string>& inputTexts()
{
    static const std::vector<std::string> texts = [] {
        std::mt19937_64 rng(3);
        std::vector<std::string> t;
        for (int i = 0; i < 1024; ++i) {
            char buf[64];
            switch (i % 4) {
            case 0: std::snprintf(buf, sizeof buf, "%u", static_cast<unsigned>(rng() % 5000)); break;
            case 1: std::snprintf(buf, sizeof buf, "%u.%02u", static_cast<unsigned>(rng() % 500), static_cast<unsigned>(rng() % 100)); break;
            case 2: std::snprintf(buf, sizeof buf, "0.%03u", static_cast<unsigned>(rng() % 1000)); break;
            default: std::snprintf(buf, sizeof buf, "%.15Lg", sheetValues()[static_cast<std::size_t>(i)]); break;
            }
            t.emplace_back(buf);
        }
        return t;
    }();
    return texts;
}

const std::vector<std::string>& integerTexts()
{
    static const std::vector<std::string> texts = [] {
        std::mt19937_64 rng(4);
        std::vector<std::string> t;
        for (int i = 0; i < 1024; ++i) {
            t.push_back(std::to_string(static_cast<int>(rng() % 200000) - 100000));
        }
        return t;
    }();
    return texts;
}

template <typename F>
void overValues(benchmark::State& state, const std::vector<long double>& values, F f)
{
    std::size_t i = 0;
    for (auto _ : state) {
        f(values[i]);
        i = (i + 1) & 1023;
    }
    state.SetItemsProcessed(state.iterations());
}

template <typename F>
void overTexts(benchmark::State& state, const std::vector<std::string>& texts, F f)
{
    std::size_t i = 0;
    for (auto _ : state) {
        f(texts[i]);
        i = (i + 1) & 1023;
    }
    state.SetItemsProcessed(state.iterations());
}

void snprintfInto(const char* format, long double x)
{
    char buf[64];
    benchmark::DoNotOptimize(std::snprintf(buf, sizeof buf, format, x));
    benchmark::DoNotOptimize(buf);
}

// Fixed two-decimal format vs "%.2Lf".
void BM_FixedTwo(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { benchmark::DoNotOptimize(n::fixedTwo(x, '.')); }); }
void BM_Snprintf_2Lf(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { snprintfInto("%.2Lf", x); }); }
// Fixed whole-number format vs "%.0Lf".
void BM_FixedWhole(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { benchmark::DoNotOptimize(n::fixedWhole(x, '.')); }); }
void BM_Snprintf_0Lf(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { snprintfInto("%.0Lf", x); }); }
// General number format vs "%.15Lg".
void BM_General(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { benchmark::DoNotOptimize(n::general(x, '.')); }); }
void BM_Snprintf_15Lg(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { snprintfInto("%.15Lg", x); }); }
void BM_General_Wide(benchmark::State& s) { overValues(s, wideValues(), [](long double x) { benchmark::DoNotOptimize(n::general(x, '.')); }); }
void BM_Snprintf_15Lg_Wide(benchmark::State& s) { overValues(s, wideValues(), [](long double x) { snprintfInto("%.15Lg", x); }); }
void BM_General_Extreme(benchmark::State& s) { overValues(s, extremeValues(), [](long double x) { benchmark::DoNotOptimize(n::general(x, '.')); }); }
void BM_Snprintf_15Lg_Extreme(benchmark::State& s) { overValues(s, extremeValues(), [](long double x) { snprintfInto("%.15Lg", x); }); }
// Integer text vs "%d".
void BM_IntegerText(benchmark::State& state)
{
    std::int32_t v = -100000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(n::integerText(v));
        v = v == 100000 ? -100000 : v + 7;
    }
}
void BM_Snprintf_d(benchmark::State& state)
{
    std::int32_t v = -100000;
    for (auto _ : state) {
        char buf[16];
        benchmark::DoNotOptimize(std::snprintf(buf, sizeof buf, "%d", v));
        benchmark::DoNotOptimize(buf);
        v = v == 100000 ? -100000 : v + 7;
    }
}

// Parses vs strtold / strtol.
void BM_LenientScan(benchmark::State& s) { overTexts(s, inputTexts(), [](const std::string& t) { benchmark::DoNotOptimize(n::lenientScan(t)); }); }
void BM_StrictNumber(benchmark::State& s) { overTexts(s, inputTexts(), [](const std::string& t) { benchmark::DoNotOptimize(n::strictNumber(t, '.')); }); }
void BM_Strtold(benchmark::State& s)
{
    overTexts(s, inputTexts(), [](const std::string& t) {
        char* end;
        benchmark::DoNotOptimize(std::strtold(t.c_str(), &end));
        benchmark::DoNotOptimize(end);
    });
}
// A 4000-digit text: "1." and 3999 random digits (linear time).
const std::string& longText()
{
    static const std::string text = [] {
        std::string t = "1.";
        std::mt19937_64 rng(6);
        for (int i = 0; i < 3999; ++i) {
            t += static_cast<char>('0' + rng() % 10);
        }
        return t;
    }();
    return text;
}
void BM_LenientScan_4000Digits(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(n::lenientScan(longText()));
    }
}
void BM_Strtold_4000Digits(benchmark::State& state)
{
    for (auto _ : state) {
        char* end;
        benchmark::DoNotOptimize(std::strtold(longText().c_str(), &end));
        benchmark::DoNotOptimize(end);
    }
}
void BM_StrictInteger(benchmark::State& s) { overTexts(s, integerTexts(), [](const std::string& t) { benchmark::DoNotOptimize(n::strictInteger(t)); }); }
void BM_Strtol(benchmark::State& s)
{
    overTexts(s, integerTexts(), [](const std::string& t) {
        char* end;
        errno = 0;
        benchmark::DoNotOptimize(std::strtol(t.c_str(), &end, 10));
        benchmark::DoNotOptimize(end);
    });
}

// The 48-bit store and load; the C library has no equivalent (a conversion to double is shown
// as the nearest hardware rounding).
void BM_Real48Store(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { benchmark::DoNotOptimize(n::Real48::store(x)); }); }
void BM_Real48RoundTrip(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { benchmark::DoNotOptimize(n::stored(x)); }); }
void BM_ConvertToDouble(benchmark::State& s) { overValues(s, sheetValues(), [](long double x) { benchmark::DoNotOptimize(static_cast<double>(x)); }); }

}  // namespace

BENCHMARK(BM_FixedTwo);
BENCHMARK(BM_Snprintf_2Lf);
BENCHMARK(BM_FixedWhole);
BENCHMARK(BM_Snprintf_0Lf);
BENCHMARK(BM_General);
BENCHMARK(BM_Snprintf_15Lg);
BENCHMARK(BM_General_Wide);
BENCHMARK(BM_Snprintf_15Lg_Wide);
BENCHMARK(BM_General_Extreme);
BENCHMARK(BM_Snprintf_15Lg_Extreme);
BENCHMARK(BM_IntegerText);
BENCHMARK(BM_Snprintf_d);
BENCHMARK(BM_LenientScan);
BENCHMARK(BM_StrictNumber);
BENCHMARK(BM_Strtold);
BENCHMARK(BM_LenientScan_4000Digits);
BENCHMARK(BM_Strtold_4000Digits);
BENCHMARK(BM_StrictInteger);
BENCHMARK(BM_Strtol);
BENCHMARK(BM_Real48Store);
BENCHMARK(BM_Real48RoundTrip);
BENCHMARK(BM_ConvertToDouble);
