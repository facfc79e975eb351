#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

namespace qingtan::bench {

// Titles each per-title benchmark cycles through: enough that the branch predictor cannot learn them by heart.
inline constexpr std::size_t kTitleCount = 1024;

// The table every per-title benchmark runs: titles of 10, 60 and 100 characters against 1,000, 10,000 and
// 100,000 words.
inline void TitleTable(benchmark::internal::Benchmark* b) {
    for (const int characters : {10, 60, 100}) {
        for (const int words : {1000, 10000, 100000}) {
            b->Args({characters, words});
        }
    }
    b->ArgNames({"chars", "words"})->Unit(benchmark::kMicrosecond);
}

} // namespace qingtan::bench
