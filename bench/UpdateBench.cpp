// Decoding a large payload and a whole start-up update of a 1 MB library from a loopback HTTPS server.
#include "Base64.h"
#include "FileHelpers.h"
#include "LibraryUpdater.h"
#include "LoopbackServers.h"
#include "SyntheticLibrary.h"
#include "WebRequest.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace qingtan {
namespace {

void BM_Base64Decode4MiB(benchmark::State& state) {
    std::mt19937 random(5);
    std::string bytes(3u << 20, '\0'); // 3 MiB of bytes: a payload of 4 MiB of text plus its line ends
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    const std::string payload = Base64Encode(bytes);
    const std::function<void()> noOp = [] {};
    for (auto _ : state) {
        benchmark::DoNotOptimize(Base64Decode(payload, noOp));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.size()));
}
BENCHMARK(BM_Base64Decode4MiB)->Unit(benchmark::kMillisecond);

struct LoopbackLibrary {
    LoopbackLibrary() {
        server.setResponse("/douyin_ver.txt", 200, "2024-06");
        server.setResponse("/douyin_ck.txt", 200, Base64Encode(bench::SyntheticData().libraryFile(1'000'000)));
        directory = std::filesystem::temp_directory_path() / "qingtan-update-bench";
        std::filesystem::create_directories(directory);
    }
    ~LoopbackLibrary() { std::filesystem::remove_all(directory); }

    test::TestHttpsServer server;
    std::filesystem::path directory;
};

// Neither file present: one full refresh, two requests, decode and two atomic writes.
void BM_FullUpdate1MB(benchmark::State& state) {
    LoopbackLibrary loopback;
    UpdateContext context;
    context.directory = loopback.directory;
    context.server.baseUrl = loopback.server.baseUrl();
    context.server.caFile = test::TestCertificates::trustedCa();
    bool updated = true;
    context.showStatus = [&updated](const AnsiText&, ColorRef colour) { updated = updated && colour == kGreen; };
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(loopback.directory / kVersionFileName);
        std::filesystem::remove(loopback.directory / kLibraryFileName);
        state.ResumeTiming();
        LibraryUpdater(context, "");
    }
    if (!updated) {
        state.SkipWithError("the update failed");
    }
}
BENCHMARK(BM_FullUpdate1MB)->Unit(benchmark::kMillisecond);

// One small verified request, with the test CA added to the system's bundle and with the test CA alone as
// "system" store, to show what trusting an extra CA costs.
void BM_FetchVersion(benchmark::State& state) {
    LoopbackLibrary loopback;
    TransportSettings transport;
    transport.caFile = test::TestCertificates::trustedCa();
    const AnsiText url = loopback.server.baseUrl() + "douyin_ver.txt";
    for (auto _ : state) {
        if (!FetchText(url, transport)) {
            state.SkipWithError("the request failed");
            break;
        }
    }
}
BENCHMARK(BM_FetchVersion)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qingtan

BENCHMARK_MAIN();
