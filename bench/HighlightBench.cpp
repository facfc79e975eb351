// The title box's highlights for a long title: the re-match on an edit (the check on the box text) and the spans
// laid over the box, against the check alone as the baseline in the same run.
#include "SyntheticLibrary.h"
#include "TextUtilities.h"
#include "TitleCheck.h"
#include "TitleHighlights.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace qingtan::bench {
namespace {

struct Fixture {
    WordLibrary library = SyntheticData(7).library(10000);
    WordMatcher matcher{library};
    std::u16string title;

    Fixture() {
        const AnsiText gbk = SyntheticData(8).titles(library, 1, 2000).front();
        title = AnsiToWide(gbk);
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void BM_CheckOfA2000CharacterTitle(benchmark::State& state) {
    Fixture& f = fixture();
    CheckState check;
    for (auto _ : state) {
        RunCheck(check, f.matcher, f.title, {}, [](const AnsiText&, ColorRef) {});
        benchmark::DoNotOptimize(check.occurrences.data());
    }
}
BENCHMARK(BM_CheckOfA2000CharacterTitle)->Unit(benchmark::kMicrosecond);

void BM_HighlightA2000CharacterTitle(benchmark::State& state) {
    Fixture& f = fixture();
    QPlainTextEdit box;
    box.setPlainText(QString::fromStdU16String(f.title));
    CheckState check;
    for (auto _ : state) {
        RunCheck(check, f.matcher, f.title, {}, [](const AnsiText&, ColorRef) {});
        const auto spans = HighlightSpans(f.title, check, f.library);
        ApplyHighlights(box, spans);
        state.counters["spans"] = static_cast<double>(spans.size());
    }
}
BENCHMARK(BM_HighlightA2000CharacterTitle)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qingtan::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
