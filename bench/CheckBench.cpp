// Title check speed: the automaton against the per-word scan of the same data, and library loading.
#include "FileHelpers.h"
#include "SyntheticLibrary.h"
#include "TextUtilities.h"
#include "TitleCheck.h"
#include "WordMatcher.h"
#include "WordScan.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

namespace qingtan::bench {
namespace {

// Libraries are costly to make; each size is made once, with the same seed whatever the order of the benchmarks.
const WordLibrary& libraryOf(std::size_t words) {
    static std::map<std::size_t, WordLibrary> libraries;
    auto it = libraries.find(words);
    if (it == libraries.end()) {
        it = libraries.emplace(words, SyntheticData(static_cast<std::uint32_t>(words)).library(words)).first;
    }
    return it->second;
}

std::vector<AnsiText> titlesFor(const WordLibrary& library, std::size_t count, std::size_t characters) {
    return SyntheticData(static_cast<std::uint32_t>(characters)).titles(library, count, characters);
}

const ShowStatusFn kIgnoreStatus = [](const AnsiText&, ColorRef) {};

// One whole check as the window runs it: conversion of the title, matching of all seven categories.
void BM_CheckTitle(benchmark::State& state) {
    const WordLibrary& library = libraryOf(static_cast<std::size_t>(state.range(1)));
    const WordMatcher matcher(library);
    const auto titles = titlesFor(library, 64, static_cast<std::size_t>(state.range(0)));
    std::vector<WideText> wideTitles;
    for (const AnsiText& title : titles) {
        wideTitles.push_back(AnsiToWide(title));
    }
    CheckState check;
    std::size_t i = 0;
    for (auto _ : state) {
        RunCheck(check, matcher, wideTitles[i++ % wideTitles.size()], CategorySelection{}, kIgnoreStatus);
        benchmark::DoNotOptimize(check.findingSets);
    }
}

// The baseline: one substring search per word of every category.
void BM_CheckTitleScanBaseline(benchmark::State& state) {
    const WordLibrary& library = libraryOf(static_cast<std::size_t>(state.range(1)));
    const auto titles = titlesFor(library, 64, static_cast<std::size_t>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        const AnsiText& title = titles[i++ % titles.size()];
        for (const WordList& words : library.lists) {
            benchmark::DoNotOptimize(ScanWordList(words, title));
        }
    }
}

void titleArguments(benchmark::internal::Benchmark* b) {
    for (const int characters : {10, 60, 100}) {
        for (const int words : {1000, 10000, 100000}) {
            b->Args({characters, words});
        }
    }
    b->ArgNames({"chars", "words"})->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_CheckTitle)->Apply(titleArguments);
BENCHMARK(BM_CheckTitleScanBaseline)->Apply(titleArguments);

// Batch work: 10,000 titles of 60 characters against 100,000 words; items per second is titles per second.
void BM_Batch(benchmark::State& state) {
    const WordLibrary& library = libraryOf(100000);
    const WordMatcher matcher(library);
    const auto titles = titlesFor(library, 10000, 60);
    for (auto _ : state) {
        for (const AnsiText& title : titles) {
            benchmark::DoNotOptimize(FoundEntries(matcher.occurrences(title)));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(titles.size()));
}
BENCHMARK(BM_Batch)->Unit(benchmark::kMillisecond);

void BM_BatchScanBaseline(benchmark::State& state) {
    const WordLibrary& library = libraryOf(100000);
    const auto titles = titlesFor(library, 10000, 60);
    for (auto _ : state) {
        for (const AnsiText& title : titles) {
            for (const WordList& words : library.lists) {
                benchmark::DoNotOptimize(ScanWordList(words, title));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(titles.size()));
}
BENCHMARK(BM_BatchScanBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_BuildMatcher(benchmark::State& state) {
    const WordLibrary& library = libraryOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const WordMatcher matcher(library);
        benchmark::DoNotOptimize(&matcher);
    }
}
BENCHMARK(BM_BuildMatcher)->Arg(100000)->Unit(benchmark::kMillisecond);

// Loading a library file of 1 MB from disk into the seven word lists.
void BM_LoadLibrary(benchmark::State& state) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qingtan-bench-load";
    std::filesystem::create_directories(dir);
    WriteWholeFile(dir / kLibraryFileName, SyntheticData().libraryFile(static_cast<std::size_t>(state.range(0))));
    WordLibrary library;
    TextArray lines;
    for (auto _ : state) {
        if (!LoadWordLibrary(dir, library, lines, kIgnoreStatus)) {
            state.SkipWithError("library did not load");
        }
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadLibrary)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qingtan::bench

BENCHMARK_MAIN();
