// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/quadrature.h"
#include "calc/start_calculation.h"
#include "testing/fake_form.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

void BothRules(benchmark::State& state) {
    SampleValues values;
    const double samples[] = {106.0, 64.885, 49.02, 95.89, 71.8, -26.39, -17.01};
    for (int k = 0; k < 7; ++k)
        values.Store(k, samples[k]);
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark idiom
        benchmark::DoNotOptimize(TrapezoidRule(values));
        benchmark::DoNotOptimize(SimpsonRule(values));
    }
}
BENCHMARK(BothRules);

void StartCalculationEndToEnd(benchmark::State& state) {
    FakeForm form({"106", "64,885", "49,02", "95,89", "71,8", "-26,39", "-17,01"});
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark idiom
        StartCalculation(form);
        // Keep the fake's logs from growing across iterations.
        form.reads.clear();
        form.captionHistory.clear();
    }
}
BENCHMARK(StartCalculationEndToEnd);

void MessagePath(benchmark::State& state) {
    FakeForm form({"abc"});
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark idiom
        StartCalculation(form);
        form.reads.clear();
        form.messages.clear();
        form.buttonCodes.clear();
    }
}
BENCHMARK(MessagePath);

} // namespace
