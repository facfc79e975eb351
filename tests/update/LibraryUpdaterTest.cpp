#include "LibraryUpdater.h"

#include "Base64.h"
#include "LoopbackServers.h"
#include "SupportGroup.h"
#include "TempDir.h"
#include "TestText.h"
#include "UpdateTexts.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <ostream>

namespace qingtan {
namespace {

using test::gbk;
using test::hex;
using test::TestCertificates;
using test::TestHttpsServer;

struct Status {
    AnsiText text;
    ColorRef colour;
    bool operator==(const Status&) const = default;
};

void PrintTo(const Status& status, std::ostream* out) {
    *out << test::utf8(status.text) << " (" << status.colour << ")";
}

const AnsiText& library() {
    static const AnsiText text =
        gbk("<不文明用语>|SB|<\r\n<疑似欺骗>|祖传|<\r\n<刺激消费>|秒杀|<\r\n<歧视用语>|瞎子|<\r\n"
            "<通用>|最|第一|<\r\n<化妆品>|特效|<\r\n<普通商品>|神器|<\r\n");
    return text;
}

const AnsiText& oldLibrary() {
    static const AnsiText text = gbk("<通用>|旧词|<\r\n");
    return text;
}

const AnsiText kGroup(SupportGroupNumber);

class LibraryUpdaterTest : public testing::Test {
protected:
    LibraryUpdaterTest() { serve("4", library()); }

    void serve(const std::string& version, const AnsiText& libraryBytes) {
        server.setResponse("/douyin_ver.txt", 200, version);
        server.setResponse("/douyin_ck.txt", 200, Base64Encode(libraryBytes));
    }

    UpdateContext context(const std::string& baseUrl) {
        UpdateContext updateContext;
        updateContext.directory = dir.path();
        updateContext.server.baseUrl = baseUrl;
        updateContext.server.caFile = TestCertificates::trustedCa();
        updateContext.showStatus = [this](const AnsiText& text, ColorRef colour) {
            statuses.push_back({text, colour});
        };
        return updateContext;
    }

    UpdateOutcome run(const AnsiText& source = gbk("在线词库")) {
        return LibraryUpdater(context(server.baseUrl()), source);
    }

    std::filesystem::file_time_type stamp(const char* name) { return std::filesystem::last_write_time(dir / name); }

    test::TempDir dir;
    TestHttpsServer server;
    std::vector<Status> statuses;
};

const std::vector<std::string> kVersionOnly{"GET /douyin_ver.txt"};
const std::vector<std::string> kVersionAndLibrary{"GET /douyin_ver.txt", "GET /douyin_ck.txt"};

TEST(UpdateTexts, areTheExactGbkBytes) {
    EXPECT_EQ(hex(UpToDateText()), hex("\xd2\xd1\xbc\xd3\xd4\xd8\xb9\xfd\xd4\xda\xcf\xdf\xd7\xd6\xbf\xe2\xc7"
                                       "\xd2\xb0\xe6\xb1\xbe\xb7\xfb\xba\xcf\xa3\xac\xce\xde\xd0\xe8\xb8\xfc"
                                       "\xd0\xc2"));
    EXPECT_EQ(hex(LibraryRestoredText()), hex("\xd2\xd1\xbe\xad\xb8\xfc\xd0\xc2\xd4\xda\xcf\xdf\xb4\xca\xbf\xe2"));
    EXPECT_EQ(hex(VersionChangedText("4")),
              hex("\xd2\xd1\xbe\xad\xb8\xfc\xd0\xc2\xd4\xda\xcf\xdf\xb4\xca\xbf\xe2\xa3\xac\xb5\xb1\xc7\xb0\xb0\xe6"
                  "\xb1\xbe\xce\xaa\xa3\xba"
                  "4"
                  "\xc8\xe7\xb9\xfb\xc4\xe3\xd3\xd0\xc6\xe4\xcb\xfb\xbd\xa8\xd2\xe9\xd2\xb2\xbf\xc9\xd2\xd4\xbc\xd3\x51"
                  "\x51\xc8\xba\xa3\xba" +
                  kGroup + "\xb7\xb4\xc0\xa1\xb8\xf8\xce\xd2\xc3\xc7"));
    EXPECT_EQ(hex(FullRefreshText("4")),
              hex("\xd2\xd1\xbe\xad\xb8\xfc\xd0\xc2\xd4\xda\xcf\xdf\xb4\xca\xbf\xe2\x2c\xb5\xb1\xc7\xb0\xb0\xe6\xb1"
                  "\xbe\x3a"
                  "4"
                  "\x20\xc8\xe7\xb9\xfb\xc4\xe3\xd3\xd0\xc6\xe4\xcb\xfb\xbd\xa8\xd2\xe9\xd2\xb2\xbf\xc9\xd2\xd4\xbc\xd3"
                  "\x51\x51\xc8\xba\x3a" +
                  kGroup + "\x20\xb7\xb4\xc0\xa1\xb8\xf8\xce\xd2\xc3\xc7"));
    EXPECT_EQ(hex(UpdateFailedText()), hex("\xb4\xca\xbf\xe2\xb8\xfc\xd0\xc2\xca\xa7\xb0\xdc\xa3\xac\xbc\xcc"
                                           "\xd0\xf8\xca\xb9\xd3\xc3\xb1\xbe\xb5\xd8\xb4\xca\xbf\xe2"));
    EXPECT_EQ(hex(LocalLibraryKeptText()), hex("\xb5\xb1\xc7\xb0\xca\xb9\xd3\xc3\xb1\xbe\xb5\xd8\xb4\xca\xbf"
                                               "\xe2\xa3\xac\xce\xb4\xd7\xd4\xb6\xaf\xb8\xfc\xd0\xc2"));
}

TEST_F(LibraryUpdaterTest, equalVersionsWithLibraryPresentMakeOneRequestAndWriteNothing) {
    for (const AnsiText& stored : {library(), AnsiText()}) { // an empty library is not looked at on this path
        dir.write("douyin_ver.txt", "4");
        dir.write("douyin_ck.txt", stored);
        const auto versionStamp = stamp("douyin_ver.txt");
        const auto libraryStamp = stamp("douyin_ck.txt");
        server.clearRequests();
        statuses.clear();

        EXPECT_EQ(run(), UpdateOutcome::UpToDate);

        EXPECT_EQ(server.requests(), kVersionOnly);
        EXPECT_EQ(statuses, (std::vector<Status>{{UpToDateText(), kGreen}}));
        EXPECT_EQ(dir.read("douyin_ck.txt"), stored);
        EXPECT_EQ(stamp("douyin_ver.txt"), versionStamp);
        EXPECT_EQ(stamp("douyin_ck.txt"), libraryStamp);
    }
}

TEST_F(LibraryUpdaterTest, equalVersionsWithoutLibraryFetchOnlyTheLibrary) {
    dir.write("douyin_ver.txt", "4");
    const auto versionStamp = stamp("douyin_ver.txt");

    EXPECT_EQ(run(), UpdateOutcome::Updated);

    EXPECT_EQ(server.requests(), kVersionAndLibrary);
    EXPECT_EQ(statuses, (std::vector<Status>{{LibraryRestoredText(), kGreen}}));
    EXPECT_EQ(dir.read("douyin_ck.txt"), library());
    EXPECT_EQ(dir.read("douyin_ver.txt"), "4");
    EXPECT_EQ(stamp("douyin_ver.txt"), versionStamp);
}

TEST_F(LibraryUpdaterTest, newServerVersionRewritesBothFilesWithoutAskingForTheVersionAgain) {
    dir.write("douyin_ver.txt", "3");
    dir.write("douyin_ck.txt", oldLibrary());

    EXPECT_EQ(run(), UpdateOutcome::Updated);

    EXPECT_EQ(server.requests(), kVersionAndLibrary);
    EXPECT_EQ(dir.read("douyin_ver.txt"), "4");
    EXPECT_EQ(dir.read("douyin_ck.txt"), library());
    EXPECT_EQ(statuses, (std::vector<Status>{{VersionChangedText("4"), kGreen}}));
}

TEST_F(LibraryUpdaterTest, versionsDifferingOnlyInCaseOrTrailingBlankCountAsDifferent) {
    for (const std::string stored : {"v1", "V1 ", "4 ", "4\r\n"}) {
        serve(stored == "v1" ? "V1" : "4", library());
        dir.write("douyin_ver.txt", stored);
        dir.write("douyin_ck.txt", oldLibrary());
        statuses.clear();

        run();

        EXPECT_EQ(dir.read("douyin_ck.txt"), library()) << stored;
        ASSERT_EQ(statuses.size(), 1u);
        EXPECT_EQ(statuses[0].colour, kGreen);
    }
}

TEST_F(LibraryUpdaterTest, versionEndingInCrLfIsStoredShownAndEqualNextTime) {
    serve("5\r\n", library());
    dir.write("douyin_ver.txt", "4");
    dir.write("douyin_ck.txt", library());

    run();
    EXPECT_EQ(dir.read("douyin_ver.txt"), "5\r\n");
    EXPECT_EQ(statuses.back(), (Status{VersionChangedText("5\r\n"), kGreen}));

    server.clearRequests();
    run();
    EXPECT_EQ(server.requests(), kVersionOnly);
    EXPECT_EQ(statuses.back(), (Status{UpToDateText(), kGreen}));
}

TEST_F(LibraryUpdaterTest, missingVersionFileRunsOneFullRefresh) {
    for (const bool libraryPresent : {true, false}) {
        std::filesystem::remove(dir / "douyin_ver.txt");
        std::filesystem::remove(dir / "douyin_ck.txt");
        if (libraryPresent) {
            dir.write("douyin_ck.txt", oldLibrary());
        }
        server.clearRequests();
        statuses.clear();

        EXPECT_EQ(run(), UpdateOutcome::Updated);

        EXPECT_EQ(server.requests(), kVersionAndLibrary);
        EXPECT_EQ(dir.read("douyin_ver.txt"), "4");
        EXPECT_EQ(dir.read("douyin_ck.txt"), library());
        EXPECT_EQ(statuses, (std::vector<Status>{{FullRefreshText("4"), kGreen}}));
    }
}

// Once per group of the decode, and besides that while each request waits on the server.
TEST_F(LibraryUpdaterTest, decodeLetsTheInterfaceProcessEventsOncePerGroupAndTheWaitsToo) {
    int calls = 0;
    UpdateContext updateContext = context(server.baseUrl());
    updateContext.processEvents = [&calls] { ++calls; };

    LibraryUpdater(updateContext, gbk("在线词库"));

    EXPECT_GT(static_cast<std::size_t>(calls), (library().size() + 2) / 3);
}

TEST_F(LibraryUpdaterTest, localLibrarySourceMakesNoRequestAndTouchesNoFile) {
    dir.write("douyin_ver.txt", "3");
    dir.write("douyin_ck.txt", oldLibrary());

    EXPECT_EQ(run(gbk("本地词库")), UpdateOutcome::LocalLibraryKept);

    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(statuses, (std::vector<Status>{{LocalLibraryKeptText(), kGreen}}));
    EXPECT_EQ(dir.read("douyin_ver.txt"), "3");
    EXPECT_EQ(dir.read("douyin_ck.txt"), oldLibrary());
}

TEST_F(LibraryUpdaterTest, anyOtherSourceValueUpdates) {
    run(gbk("别的值"));
    EXPECT_EQ(dir.read("douyin_ck.txt"), library());
}

// A library write that fails must not leave a version vouching for it.
TEST_F(LibraryUpdaterTest, failedLibraryWriteLeavesTheVersionAlone) {
    dir.write("douyin_ver.txt", "3");
    std::filesystem::create_directories(dir / "douyin_ck.txt" / "blocked");

    EXPECT_EQ(run(), UpdateOutcome::Failed);

    EXPECT_EQ(dir.read("douyin_ver.txt"), "3");
    EXPECT_EQ(statuses, (std::vector<Status>{{UpdateFailedText(), kRed}}));
}

// An answer with Content-Encoding: gzip; the body's first bytes are a gzip header whatever it holds, which is all
// that matters here.
TestHttpsServer::Handler gzipAnswer(const std::string& plain) {
    return [plain](const httplib::Request&, httplib::Response& response) {
        response.set_header("Content-Encoding", "gzip");
        response.set_content(std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03", 10) + plain, "text/plain");
    };
}

// The failure matrix: whatever goes wrong, both stored files stay byte for byte and one red text says so.
struct Fault {
    const char* name;
    std::function<void(TestHttpsServer&)> arrange;
};

void PrintTo(const Fault& c, std::ostream* out) {
    *out << c.name;
}

class LibraryUpdaterFaults : public LibraryUpdaterTest, public testing::WithParamInterface<Fault> {};

TEST_P(LibraryUpdaterFaults, keepBothFilesAndShowTheFailure) {
    GetParam().arrange(server);
    dir.write("douyin_ver.txt", "3");
    dir.write("douyin_ck.txt", oldLibrary());

    EXPECT_EQ(run(), UpdateOutcome::Failed);

    EXPECT_EQ(statuses, (std::vector<Status>{{UpdateFailedText(), kRed}}));
    EXPECT_EQ(dir.read("douyin_ver.txt"), "3");
    EXPECT_EQ(dir.read("douyin_ck.txt"), oldLibrary());
}

TEST_P(LibraryUpdaterFaults, createNoFilesOnAFirstStart) {
    GetParam().arrange(server);

    EXPECT_EQ(run(), UpdateOutcome::Failed);

    EXPECT_EQ(statuses, (std::vector<Status>{{UpdateFailedText(), kRed}}));
    EXPECT_FALSE(std::filesystem::exists(dir / "douyin_ver.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "douyin_ck.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Server, LibraryUpdaterFaults,
    testing::Values(
        Fault{"versionNotFound", [](TestHttpsServer& s) { s.removeResponse("/douyin_ver.txt"); }},
        Fault{"libraryNotFound", [](TestHttpsServer& s) { s.removeResponse("/douyin_ck.txt"); }},
        Fault{"versionServerError", [](TestHttpsServer& s) { s.setResponse("/douyin_ver.txt", 500, "4"); }},
        Fault{"libraryServerError",
              [](TestHttpsServer& s) { s.setResponse("/douyin_ck.txt", 500, Base64Encode(library())); }},
        Fault{"emptyPayload", [](TestHttpsServer& s) { s.setResponse("/douyin_ck.txt", 200, ""); }},
        Fault{
            "payloadNotBase64",
            [](TestHttpsServer& s) { s.setResponse("/douyin_ck.txt", 200, "<html><body>maintenance</body></html>"); }},
        // Decodes to bytes that begin with NUL: empty text, which the loader could not use.
        Fault{"payloadDecodesToEmptyText",
              [](TestHttpsServer& s) { s.setResponse("/douyin_ck.txt", 200, Base64Encode(std::string("\0abc", 4))); }},
        Fault{"payloadOfASixLineLibrary",
              [](TestHttpsServer& s) {
                  const AnsiText& l = library();
                  s.setResponse("/douyin_ck.txt", 200, Base64Encode(l.substr(0, l.rfind(gbk("<普通商品>")))));
              }},
        Fault{"payloadOfBinaryGarbage",
              [](TestHttpsServer& s) {
                  s.setResponse("/douyin_ck.txt", 200, Base64Encode(std::string("\x1f\x8b\x08\x00\xff\x80\r\n", 8)));
              }},
        // A plain-text error answered with 200 passes as Base64 text and decodes to garbage.
        Fault{"payloadIsAPlainTextError",
              [](TestHttpsServer& s) { s.setResponse("/douyin_ck.txt", 200, "ServiceUnavailable"); }},
        // The request asks for no encoding; an encoded answer is not the resource.
        Fault{"versionGzipEncoded", [](TestHttpsServer& s) { s.setHandler("/douyin_ver.txt", gzipAnswer("4")); }},
        Fault{"payloadGzipEncoded",
              [](TestHttpsServer& s) { s.setHandler("/douyin_ck.txt", gzipAnswer(Base64Encode(library()))); }}),
    [](const testing::TestParamInfo<Fault>& testInfo) { return std::string(testInfo.param.name); });

#ifndef _WIN32
struct TransportFault {
    const char* name;
    std::function<std::unique_ptr<test::RawHttpServer>()> makeServer; // null: nothing listens
};

void PrintTo(const TransportFault& c, std::ostream* out) {
    *out << c.name;
}

class LibraryUpdaterTransportFaults : public LibraryUpdaterTest, public testing::WithParamInterface<TransportFault> {};

TEST_P(LibraryUpdaterTransportFaults, keepBothFilesAndShowTheFailure) {
    const auto raw = GetParam().makeServer ? GetParam().makeServer() : nullptr;
    const std::string baseUrl =
        raw ? raw->url("/") : "https://127.0.0.1:" + std::to_string(test::FreeLoopbackPort()) + "/";
    UpdateContext updateContext = context(baseUrl);
    updateContext.server.totalTimeoutMs = 300;
    dir.write("douyin_ver.txt", "3");
    dir.write("douyin_ck.txt", oldLibrary());

    EXPECT_EQ(LibraryUpdater(updateContext, gbk("在线词库")), UpdateOutcome::Failed);

    EXPECT_EQ(statuses, (std::vector<Status>{{UpdateFailedText(), kRed}}));
    EXPECT_EQ(dir.read("douyin_ver.txt"), "3");
    EXPECT_EQ(dir.read("douyin_ck.txt"), oldLibrary());
}

INSTANTIATE_TEST_SUITE_P(
    Transport, LibraryUpdaterTransportFaults,
    testing::Values(TransportFault{"serverDown", nullptr},
                    TransportFault{"slowerThanTimeout",
                                   [] { return std::make_unique<test::RawHttpServer>(test::RawHttpServer::silent()); }},
                    TransportFault{"connectionCutMidBody",
                                   [] {
                                       return std::make_unique<test::RawHttpServer>([](int socket,
                                                                                       const std::string& request) {
                                           if (request.starts_with("GET /douyin_ver.txt ")) {
                                               test::SendAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\n4");
                                           } else {
                                               test::SendAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n"
                                                                     "\r\nPHPkzrzD99PDw+f"); // a cut payload
                                           }
                                       });
                                   }},
                    // Without Content-Length the end of the connection is the end of the body, so a cut cannot be
                    // seen in the transfer: cut at a multiple of four characters, the payload still decodes.
                    TransportFault{"closeDelimitedPayloadCutShort",
                                   [] {
                                       return std::make_unique<test::RawHttpServer>([](int socket,
                                                                                       const std::string& request) {
                                           if (request.starts_with("GET /douyin_ver.txt ")) {
                                               test::SendAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\n4");
                                           } else {
                                               const std::string payload = Base64Encode(library());
                                               test::SendAll(socket, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" +
                                                                         payload.substr(0, payload.size() / 8 * 4));
                                           }
                                       });
                                   }}),
    [](const testing::TestParamInfo<TransportFault>& testInfo) { return std::string(testInfo.param.name); });
#endif

// Killed updates left douyin_ck.txt.part<pid>-<n> files as large as the library that no start ever removed.
TEST_F(LibraryUpdaterTest, leftoverTemporariesAreRemovedAndNothingElse) {
    const std::vector<std::string> leftovers{"douyin_ck.txt.part4242-1", "douyin_ver.txt.part17-3"};
    const std::vector<std::string> others{"douyin_ck.txt.bak", "douyin_ck.txt.part12", "notes.txt.part1-1", "配置.ini"};
    for (const bool serverAnswers : {false, true}) {
        for (const auto& name : leftovers) {
            dir.write(name, library());
        }
        for (const auto& name : others) {
            dir.write(name, "keep");
        }
        if (!serverAnswers) {
            server.removeResponse("/douyin_ver.txt"); // the cleanup does not wait for a successful update
        } else {
            serve("4", library());
        }

        run();

        for (const auto& name : leftovers) {
            EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
        }
        for (const auto& name : others) {
            EXPECT_EQ(dir.read(name), "keep") << name;
        }
    }
    EXPECT_EQ(dir.read("douyin_ck.txt"), library());
}

// A directory given as the CA file used to end the program with std::bad_alloc.
TEST_F(LibraryUpdaterTest, caFileThatIsADirectoryIsAFailedUpdate) {
    UpdateContext updateContext = context(server.baseUrl());
    updateContext.server.caFile = dir.path().string();
    LibraryUpdater(updateContext, gbk("在线词库"));
    EXPECT_EQ(statuses, (std::vector<Status>{{UpdateFailedText(), kRed}}));
    EXPECT_TRUE(server.requests().empty());
}

TEST_F(LibraryUpdaterTest, localLibrarySourceLeavesEvenLeftoversAlone) {
    dir.write("douyin_ck.txt.part1-1", "x");
    run(gbk("本地词库"));
    EXPECT_TRUE(std::filesystem::exists(dir / "douyin_ck.txt.part1-1"));
}

TEST_F(LibraryUpdaterTest, certificateFromAnUntrustedCaIsAFailure) {
    TestHttpsServer impostor(TestCertificates::untrustedCert(), TestCertificates::untrustedKey());
    impostor.setResponse("/douyin_ver.txt", 200, "4");
    impostor.setResponse("/douyin_ck.txt", 200, Base64Encode(library()));
    dir.write("douyin_ver.txt", "3");
    dir.write("douyin_ck.txt", oldLibrary());

    LibraryUpdater(context(impostor.baseUrl()), gbk("在线词库"));

    EXPECT_EQ(statuses, (std::vector<Status>{{UpdateFailedText(), kRed}}));
    EXPECT_EQ(dir.read("douyin_ver.txt"), "3");
    EXPECT_EQ(dir.read("douyin_ck.txt"), oldLibrary());
    EXPECT_TRUE(impostor.requests().empty());
}

} // namespace
} // namespace qingtan
