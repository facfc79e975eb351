// The strongest peer on the same data: Vectorscan's literal matcher (leftmost start of match, block mode) on the
// synthetic libraries and titles of CheckBench, beside our matcher in the same run. Before it measures, each
// benchmark checks that both find the same words at the same places.
#include "SyntheticLibrary.h"
#include "TitleTable.h"
#include "WordMatcher.h"
#include "WordScan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <hs.h>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace qingtan::bench {
namespace {

// One compiled database of a library's distinct words; id i is words[i].
struct Database {
    std::vector<AnsiText> words;
    hs_database_t* database = nullptr;
    hs_scratch_t* scratch = nullptr;
};

std::unique_ptr<Database> compile(const WordLibrary& library) {
    auto db = std::make_unique<Database>();
    std::set<AnsiText> distinct;
    for (const WordList& words : library.lists) {
        distinct.insert(words.begin(), words.end());
    }
    distinct.erase(AnsiText());
    db->words.assign(distinct.begin(), distinct.end());
    std::vector<const char*> expressions;
    std::vector<std::size_t> lengths;
    std::vector<unsigned> ids;
    for (const AnsiText& word : db->words) {
        expressions.push_back(word.data());
        lengths.push_back(word.size());
        ids.push_back(static_cast<unsigned>(ids.size()));
    }
    const std::vector<unsigned> flags(db->words.size(), HS_FLAG_SOM_LEFTMOST);
    hs_compile_error_t* error = nullptr;
    if (hs_compile_lit_multi(expressions.data(), flags.data(), ids.data(), lengths.data(),
                             static_cast<unsigned>(ids.size()), HS_MODE_BLOCK, nullptr, &db->database,
                             &error) != HS_SUCCESS) {
        hs_free_compile_error(error);
        return nullptr;
    }
    if (hs_alloc_scratch(db->database, &db->scratch) != HS_SUCCESS) {
        return nullptr;
    }
    return db;
}

// Compiling 100,000 words takes seconds, so each size is compiled once.
const Database* databaseOf(std::size_t words) {
    static std::map<std::size_t, std::unique_ptr<Database>> databases;
    auto it = databases.find(words);
    if (it == databases.end()) {
        it = databases.emplace(words, compile(CachedLibrary(words))).first;
    }
    return it->second.get();
}

struct Match {
    unsigned id;
    unsigned long long from;
};

int collect(unsigned id, unsigned long long from, unsigned long long, unsigned, void* context) {
    static_cast<std::vector<Match>*>(context)->push_back({id, from});
    return 0;
}

bool scan(const Database& db, const AnsiText& title, std::vector<Match>& matches) {
    matches.clear();
    return hs_scan(db.database, title.data(), static_cast<unsigned>(title.size()), 0, db.scratch, collect, &matches) ==
           HS_SUCCESS;
}

// Our matcher counts a word only where it begins at a character of the title; Vectorscan's matches are filtered by
// the same rule before the two are compared as sets of (word, start). Returns the number of matches compared, or
// nothing when they differ.
std::optional<std::size_t> sameWords(const WordLibrary& library, const Database& db,
                                     const std::vector<AnsiText>& titles) {
    const WordMatcher matcher(library);
    std::vector<Match> matches;
    std::size_t compared = 0;
    for (const AnsiText& title : titles) {
        std::set<std::pair<AnsiText, std::size_t>> ours;
        for (const WordOccurrence& o : matcher.occurrences(title)) {
            ours.emplace(library[o.category][o.entry], o.byteOffset);
        }
        if (!scan(db, title, matches)) {
            return std::nullopt;
        }
        const std::vector<bool> starts = CharacterStarts(title);
        std::set<std::pair<AnsiText, std::size_t>> theirs;
        for (const Match& m : matches) {
            if (starts[m.from]) {
                theirs.emplace(db.words[m.id], static_cast<std::size_t>(m.from));
            }
        }
        if (ours != theirs) {
            return std::nullopt;
        }
        compared += ours.size();
    }
    return compared;
}

void BM_VectorscanScan(benchmark::State& state) {
    const auto words = static_cast<std::size_t>(state.range(1));
    const Database* db = databaseOf(words);
    if (db == nullptr) {
        state.SkipWithError("Vectorscan could not compile the library");
        return;
    }
    const auto titles = TitlesFor(CachedLibrary(words), kTitleCount, static_cast<std::size_t>(state.range(0)));
    const auto compared = sameWords(CachedLibrary(words), *db, titles);
    if (!compared) {
        state.SkipWithError("Vectorscan and the matcher found different words");
        return;
    }
    std::vector<Match> matches;
    std::size_t i = 0;
    for (auto _ : state) {
        scan(*db, titles[i++ % titles.size()], matches);
        benchmark::DoNotOptimize(matches.data());
    }
    state.counters["agreed"] = static_cast<double>(*compared);
}
BENCHMARK(BM_VectorscanScan)->Apply(TitleTable);

void BM_VectorscanBatch(benchmark::State& state) {
    const Database* db = databaseOf(100000);
    const auto titles = TitlesFor(CachedLibrary(100000), 10000, 60);
    if (db == nullptr || !sameWords(CachedLibrary(100000), *db, titles)) {
        state.SkipWithError("Vectorscan and the matcher found different words");
        return;
    }
    std::vector<Match> matches;
    for (auto _ : state) {
        for (const AnsiText& title : titles) {
            scan(*db, title, matches);
            benchmark::DoNotOptimize(matches.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(titles.size()));
}
BENCHMARK(BM_VectorscanBatch)->Unit(benchmark::kMillisecond);

// Compiling takes seconds at this size: one compile.
void BM_VectorscanBuild(benchmark::State& state) {
    const WordLibrary& library = CachedLibrary(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const auto db = compile(library);
        if (!db) {
            state.SkipWithError("Vectorscan could not compile the library");
            return;
        }
        hs_free_scratch(db->scratch);
        hs_free_database(db->database);
    }
}
BENCHMARK(BM_VectorscanBuild)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace qingtan::bench
