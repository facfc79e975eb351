// Title check speed: the automaton against the per-word scan of the same data, with and without variants, the
// matcher build, and library loading.
#include "FileHelpers.h"
#include "SyntheticLibrary.h"
#include "TextUtilities.h"
#include "TitleCheck.h"
#include "TitleTable.h"
#include "WordMatcher.h"
#include "WordScan.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace qingtan::bench {
namespace {

const ShowStatusFn kIgnoreStatus = [](const AnsiText&, ColorRef) {};

const VariantNormalizer& normalizer() {
    static const VariantNormalizer instance(TraditionalToSimplified::Load());
    return instance;
}

// The synthetic titles hold no separator, so the variant matcher finds little to look at near changed places; real
// titles do. Here every seventh character becomes a full-width comma or two blanks.
std::vector<AnsiText> punctuated(std::vector<AnsiText> titles) {
    for (AnsiText& title : titles) {
        for (std::size_t pos = 12, n = 0; pos + 1 < title.size(); pos += 14, ++n) {
            title.replace(pos, 2, n % 2 == 0 ? "\xA3\xAC" : "  ");
        }
    }
    return titles;
}

std::vector<WideText> wideTitles(const std::vector<AnsiText>& titles) {
    std::vector<WideText> wide;
    for (const AnsiText& title : titles) {
        wide.push_back(AnsiToWide(title));
    }
    return wide;
}

// One whole check as the window runs it: conversion of the title, matching of all seven categories, finding sets,
// and the variants when asked for.
void checkTitle(benchmark::State& state, bool variants, bool withSeparators) {
    const WordLibrary& library = CachedLibrary(static_cast<std::size_t>(state.range(1)));
    const WordMatcher matcher(library, variants ? &normalizer() : nullptr);
    auto gbkTitles = TitlesFor(library, kTitleCount, static_cast<std::size_t>(state.range(0)));
    const auto titles = wideTitles(withSeparators ? punctuated(std::move(gbkTitles)) : gbkTitles);
    CheckState check;
    std::size_t i = 0;
    for (auto _ : state) {
        RunCheck(check, matcher, titles[i++ % titles.size()], CategorySelection{}, kIgnoreStatus);
        benchmark::DoNotOptimize(check.findingSets);
    }
}
void BM_CheckTitle(benchmark::State& state) {
    checkTitle(state, false, false);
}
void BM_CheckTitleWithVariants(benchmark::State& state) {
    checkTitle(state, true, false);
}
void BM_CheckPunctuatedTitle(benchmark::State& state) {
    checkTitle(state, false, true);
}
void BM_CheckPunctuatedTitleWithVariants(benchmark::State& state) {
    checkTitle(state, true, true);
}
BENCHMARK(BM_CheckTitle)->Apply(TitleTable);
BENCHMARK(BM_CheckTitleWithVariants)->Apply(TitleTable);
BENCHMARK(BM_CheckPunctuatedTitle)->Apply(TitleTable);
BENCHMARK(BM_CheckPunctuatedTitleWithVariants)->Apply(TitleTable);

// The matcher alone on GBK titles, with a scratch reused from title to title: what a batch or a peer does.
void BM_MatchTitle(benchmark::State& state) {
    const WordLibrary& library = CachedLibrary(static_cast<std::size_t>(state.range(1)));
    const WordMatcher matcher(library);
    const auto titles = TitlesFor(library, kTitleCount, static_cast<std::size_t>(state.range(0)));
    MatchScratch scratch;
    std::size_t i = 0;
    for (auto _ : state) {
        matcher.match(titles[i++ % titles.size()], scratch);
        benchmark::DoNotOptimize(scratch.found());
    }
}
BENCHMARK(BM_MatchTitle)->Apply(TitleTable);

// The same with the variant matcher after the exact one, on the titles as the title box holds them.
void BM_MatchTitleWithVariants(benchmark::State& state) {
    const WordLibrary& library = CachedLibrary(static_cast<std::size_t>(state.range(1)));
    const WordMatcher matcher(library, &normalizer());
    const auto titles = TitlesFor(library, kTitleCount, static_cast<std::size_t>(state.range(0)));
    const auto wide = wideTitles(titles);
    MatchScratch scratch;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t t = i++ % titles.size();
        matcher.match(titles[t], scratch);
        matcher.findVariants(wide[t], titles[t], scratch);
        benchmark::DoNotOptimize(scratch.variants());
    }
}
BENCHMARK(BM_MatchTitleWithVariants)->Apply(TitleTable);

// The baseline: one substring search per word of every category.
void BM_CheckTitleScanBaseline(benchmark::State& state) {
    const WordLibrary& library = CachedLibrary(static_cast<std::size_t>(state.range(1)));
    const auto titles = TitlesFor(library, kTitleCount, static_cast<std::size_t>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        const AnsiText& title = titles[i++ % titles.size()];
        for (const WordList& words : library.lists) {
            benchmark::DoNotOptimize(ScanWordList(words, title));
        }
    }
}
BENCHMARK(BM_CheckTitleScanBaseline)->Apply(TitleTable);

// Batch work: 10,000 titles of 60 characters against 100,000 words; items per second is titles per second.
void BM_Batch(benchmark::State& state) {
    const WordLibrary& library = CachedLibrary(100000);
    const WordMatcher matcher(library);
    const auto titles = TitlesFor(library, 10000, 60);
    MatchScratch scratch;
    for (auto _ : state) {
        for (const AnsiText& title : titles) {
            matcher.match(title, scratch);
            benchmark::DoNotOptimize(scratch.found());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(titles.size()));
}
BENCHMARK(BM_Batch)->Unit(benchmark::kMillisecond);

void BM_BatchScanBaseline(benchmark::State& state) {
    const WordLibrary& library = CachedLibrary(100000);
    const auto titles = TitlesFor(library, 10000, 60);
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
    const WordLibrary& library = CachedLibrary(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const WordMatcher matcher(library);
        benchmark::DoNotOptimize(&matcher);
    }
}
BENCHMARK(BM_BuildMatcher)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_BuildMatcherWithVariants(benchmark::State& state) {
    const WordLibrary& library = CachedLibrary(static_cast<std::size_t>(state.range(0)));
    normalizer();
    for (auto _ : state) {
        const WordMatcher matcher(library, &normalizer());
        benchmark::DoNotOptimize(&matcher);
    }
}
BENCHMARK(BM_BuildMatcherWithVariants)->Arg(100000)->Unit(benchmark::kMillisecond);

// What a program pays once to be able to find variants: OpenCC's dictionaries and the character table.
void BM_LoadNormalizer(benchmark::State& state) {
    for (auto _ : state) {
        const VariantNormalizer loaded(TraditionalToSimplified::Load());
        benchmark::DoNotOptimize(&loaded);
    }
}
BENCHMARK(BM_LoadNormalizer)->Unit(benchmark::kMillisecond);

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
