// Start-up to the first paint of the main window with a 1 MB local library, against a minimal Qt window measured in
// the same run. Each iteration starts this program again as a child process and times it from the spawn until the
// child reports, right after its window's first paint, through a pipe.
#include "Application.h"
#include "FileHelpers.h"
#include "GbkCodec.h"
#include "LibraryUpdater.h"
#include "MainWindow.h"
#include "SyntheticLibrary.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qingtan::bench {
namespace {

constexpr const char* kChildMinimal = "--child-minimal";
constexpr const char* kChildLabel = "--child-label";
constexpr const char* kChildProgram = "--child-program";

// Tells the parent, once the watched window has painted for the first time, and ends the child.
class FirstPaintReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            // After the paint event has been handled, not before.
            QTimer::singleShot(0, [] {
                [[maybe_unused]] const auto written = ::write(STDOUT_FILENO, "p", 1);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_reported = false;
};

// The bare window, or (withText) the same window with one line of Chinese text, which costs the loading of the font
// database and a CJK font that every window with text pays.
int runMinimalWindow(int argc, char** argv, bool withText) {
    QApplication qt(argc, argv);
    QWidget window;
    window.resize(550, 368);
    if (withText) {
        (new QLabel(QString::fromUtf8("青檀工具箱"), &window))->move(20, 20);
    }
    FirstPaintReporter reporter;
    window.installEventFilter(&reporter);
    window.show();
    return QApplication::exec();
}

int runProgram(int argc, char** argv, const std::filesystem::path& directory) {
    QApplication qt(argc, argv);
    ApplicationSetup setup;
    setup.directory = directory;
    setup.updateLibrary = [directory](const AnsiText& librarySource, const ShowStatusFn& showStatus,
                                      const std::function<void()>& processEvents) {
        return LibraryUpdater({directory, DefaultServerConfig(), showStatus, processEvents}, librarySource);
    };
    setup.openFile = [](const std::filesystem::path&) { return true; };
    Application application(std::move(setup));
    FirstPaintReporter reporter;
    // start() shows the window; it paints only once the event loop runs.
    application.start().installEventFilter(&reporter);
    return QApplication::exec();
}

// A directory with a 1 MB library and the local library source, so the start-up makes no request.
const std::filesystem::path& programDirectory() {
    static const std::filesystem::path directory = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("qingtan-startup-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        WriteWholeFile(dir / kLibraryFileName, SyntheticData().libraryFile(1 << 20));
        WriteWholeFile(dir / "douyin_ver.txt", "bench");
        WriteWholeFile(dir / u8"配置.ini", GbkCodec::fromUtf8("[词库配置]\r\n词库配置=本地词库\r\n"));
        return dir;
    }();
    return directory;
}

// Spawns this program with `args` and returns the seconds until it reported its first paint.
double timeToFirstPaint(std::vector<std::string> args, benchmark::State& state) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        state.SkipWithError("pipe failed");
        return 0;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    args.insert(args.begin(), self);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv.data(), environ);
    close(pipeFds[1]);
    char byte = 0;
    const bool painted = spawned == 0 && read(pipeFds[0], &byte, 1) == 1;
    const auto painted_at = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned == 0) {
        waitpid(child, &status, 0);
    }
    if (!painted) {
        state.SkipWithError("the child did not paint its window");
    }
    return std::chrono::duration<double>(painted_at - start).count();
}

void BM_StartupMinimalQtWindow(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(timeToFirstPaint({kChildMinimal}, state));
    }
}
BENCHMARK(BM_StartupMinimalQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_StartupMinimalQtWindowWithChineseLabel(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(timeToFirstPaint({kChildLabel}, state));
    }
}
BENCHMARK(BM_StartupMinimalQtWindowWithChineseLabel)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_StartupMainWindow1MBLocalLibrary(benchmark::State& state) {
    const std::string directory = programDirectory().string();
    for (auto _ : state) {
        state.SetIterationTime(timeToFirstPaint({kChildProgram, directory}, state));
    }
}
BENCHMARK(BM_StartupMainWindow1MBLocalLibrary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
} // namespace qingtan::bench

int main(int argc, char** argv) {
    using namespace qingtan::bench;
    if (argc >= 2 && (std::string(argv[1]) == kChildMinimal || std::string(argv[1]) == kChildLabel)) {
        return runMinimalWindow(argc, argv, std::string(argv[1]) == kChildLabel);
    }
    if (argc >= 3 && std::string(argv[1]) == kChildProgram) {
        return runProgram(argc, argv, argv[2]);
    }
    // The children inherit this; without a display they paint offscreen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::error_code ignored;
    std::filesystem::remove_all(programDirectory(), ignored);
    return 0;
}
