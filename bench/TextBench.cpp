#include <benchmark/benchmark.h>

#include "platform/text/Text.h"

// Product strings are compared without regard to case on every slot claim.
static void BM_EqualsIgnoreCaseProductString(benchmark::State& state) {
    std::string a = "VORN-T4Ultra";
    std::string b = "vorn-t4ultra";
    for (auto _ : state) {
        benchmark::DoNotOptimize(vorn::platform::equalsIgnoreCase(a, b));
    }
}
BENCHMARK(BM_EqualsIgnoreCaseProductString);
