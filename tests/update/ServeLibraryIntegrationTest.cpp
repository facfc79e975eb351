// Publishes a library with qingtan-publish, serves it with scripts/serve-library (real nginx) and updates from it.
#include "FileHelpers.h"
#include "LibraryUpdater.h"
#include "LoopbackServers.h"
#include "TempDir.h"
#include "TestText.h"
#include "UpdateTexts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qingtan {
namespace {

using test::gbk;

std::vector<char*> argvOf(std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    return argv;
}

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int runProgram(std::vector<std::string> args) {
    pid_t pid = 0;
    const std::vector<char*> argv = argvOf(args);
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    return waitFor(pid);
}

// scripts/serve-library running in the background, its standard output read line by line.
class ServedLibrary {
public:
    ServedLibrary(const std::filesystem::path& site, int port, const std::filesystem::path& home) {
        int pipeEnds[2];
        EXPECT_EQ(::pipe(pipeEnds), 0);
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        ::posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        std::vector<std::string> args{QINGTAN_SERVE_SCRIPT, site.string(), std::to_string(port)};
        const std::vector<char*> argv = argvOf(args);
        std::vector<std::string> environment{"QINGTAN_SERVE_HOME=" + home.string()};
        for (char** entry = environ; *entry != nullptr; ++entry) {
            if (!std::string_view(*entry).starts_with("QINGTAN_SERVE_HOME=")) {
                environment.emplace_back(*entry);
            }
        }
        const std::vector<char*> envp = argvOf(environment);
        m_started = ::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0;
        ::posix_spawn_file_actions_destroy(&actions);
        ::close(pipeEnds[1]);
        m_output = pipeEnds[0];
    }

    ~ServedLibrary() {
        if (m_started) {
            stop();
        }
        ::close(m_output);
    }

    // The value of the first output line that begins with `label`; empty when the script ends first.
    std::string valueOf(const std::string& label) {
        for (std::string line; readLine(line);) {
            if (line.starts_with(label)) {
                return line.substr(label.size());
            }
        }
        return {};
    }

    int stop() {
        ::kill(m_pid, SIGTERM);
        m_started = false;
        return waitFor(m_pid);
    }

private:
    bool readLine(std::string& line) {
        line.clear();
        char c;
        while (::read(m_output, &c, 1) == 1) {
            if (c == '\n') {
                return true;
            }
            line.push_back(c);
        }
        return false;
    }

    pid_t m_pid = 0;
    bool m_started = false;
    int m_output = -1;
};

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ServeLibraryIntegration, publishServeAndUpdateThenASecondStartAsksOnlyForTheVersion) {
    if (::access("/usr/sbin/nginx", X_OK) != 0 && std::system("command -v nginx >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "nginx is not installed (scripts/install-deps installs it)";
    }
    test::TempDir dir;
    const AnsiText library = gbk("<不文明用语>|SB|<\r\n<疑似欺骗>|祖传|<\r\n<刺激消费>|秒杀|<\r\n<歧视用语>|瞎子|<\r\n"
                                 "<通用>|最|第一|<\r\n<化妆品>|特效|<\r\n<普通商品>|神器|<\r\n");
    dir.write("library.txt", library);
    std::filesystem::create_directories(dir / "program");

    ASSERT_EQ(runProgram({QINGTAN_PUBLISH_BINARY, "--library", (dir / "library.txt").string(), "--version", "2024-06",
                          "--out", (dir / "site").string()}),
              0);

    ServedLibrary served(dir / "site", test::FreeLoopbackPort(), dir / "serve-home");
    const std::string baseUrl = served.valueOf("Base URL: ");
    const std::string caFile = served.valueOf("CA file: ");
    ASSERT_FALSE(baseUrl.empty()) << "serve-library did not start";
    ASSERT_FALSE(caFile.empty());

    std::vector<std::pair<AnsiText, ColorRef>> statuses;
    UpdateContext context;
    context.directory = dir / "program";
    context.server.baseUrl = baseUrl;
    context.server.caFile = caFile;
    context.showStatus = [&statuses](const AnsiText& text, ColorRef colour) { statuses.emplace_back(text, colour); };

    LibraryUpdater(context, gbk("在线词库"));
    EXPECT_EQ(dir.read("program/douyin_ck.txt"), library);
    EXPECT_EQ(dir.read("program/douyin_ver.txt"), "2024-06");
    LibraryUpdater(context, gbk("在线词库"));

    EXPECT_EQ(statuses, (std::vector<std::pair<AnsiText, ColorRef>>{{FullRefreshText("2024-06"), kGreen},
                                                                    {UpToDateText(), kGreen}}));
    EXPECT_EQ(served.stop(), 0) << "serve-library stops cleanly";
    EXPECT_EQ(linesOf(dir / "serve-home" / "access.log"),
              (std::vector<std::string>{"127.0.0.1 \"GET /douyin_ver.txt HTTP/1.1\" 200 7",
                                        "127.0.0.1 \"GET /douyin_ck.txt HTTP/1.1\" 200 " +
                                            std::to_string(std::filesystem::file_size(dir / "site" / "douyin_ck.txt")),
                                        "127.0.0.1 \"GET /douyin_ver.txt HTTP/1.1\" 200 7"}));

    // A second run reuses the CA, so a program built to trust it keeps working.
    const std::string caBytes = ReadWholeFile(caFile);
    ServedLibrary again(dir / "site", test::FreeLoopbackPort(), dir / "serve-home");
    EXPECT_EQ(again.valueOf("CA file: "), caFile);
    EXPECT_EQ(ReadWholeFile(caFile), caBytes);
    EXPECT_EQ(again.stop(), 0);
}

} // namespace
} // namespace qingtan
