// Cost of one Calculate and of one re-evaluation on the in-memory sheet.

#include <benchmark/benchmark.h>

#include "engine/arrangement.h"
#include "engine/calculate.h"
#include "sheet/memory_sheet.h"

namespace {

using quendral::sheet::Field;
using quendral::sheet::MemorySheet;

// A fresh sheet each time, as the batch command line makes one per line.
void CalculateDefaultSheet(benchmark::State& state) {
    for (auto _ : state) {
        MemorySheet sheet;
        benchmark::DoNotOptimize(quendral::engine::calculate(sheet, '.'));
    }
}
BENCHMARK(CalculateDefaultSheet);

// Calculate again on the same sheet, as the window does: no sheet to build.
void CalculateSameSheet(benchmark::State& state) {
    MemorySheet sheet;
    for (auto _ : state) benchmark::DoNotOptimize(quendral::engine::calculate(sheet, '.'));
}
BENCHMARK(CalculateSameSheet);

void ReevaluateChosenArrangement(benchmark::State& state) {
    MemorySheet sheet;
    sheet.setText(Field::ComboBox5, "d12@200");
    for (auto _ : state) {
        quendral::engine::reevaluate(sheet, quendral::engine::Section::MidSpan, '.');
    }
}
BENCHMARK(ReevaluateChosenArrangement);

}  // namespace
