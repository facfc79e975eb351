#include "UpdateCommand.h"

#include "Base64.h"
#include "LoopbackServers.h"
#include "TempDir.h"
#include "TestText.h"
#include "UpdateTexts.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qingtan {
namespace {

using test::gbk;
using test::utf8;

class UpdateCommandTest : public testing::Test {
protected:
    UpdateCommandTest() {
        server.setResponse("/douyin_ver.txt", 200, "4");
        server.setResponse("/douyin_ck.txt", 200,
                           Base64Encode(gbk("<不文明用语>|SB|<\r\n<疑似欺骗>|祖传|<\r\n<刺激消费>|秒杀|<\r\n"
                                            "<歧视用语>|瞎子|<\r\n<通用>|最|第一|<\r\n<化妆品>|特效|<\r\n"
                                            "<普通商品>|神器|<\r\n")));
    }

    int run(const std::vector<std::string>& args) {
        std::ostringstream outStream;
        std::ostringstream errStream;
        const int status = RunUpdateCommand(args, outStream, errStream, dir / "beside-the-program");
        out = outStream.str();
        err = errStream.str();
        return status;
    }

    std::vector<std::string> fromTheServer() const {
        return {"--dir",          dir.path().string(), "--server",
                server.baseUrl(), "--ca-file",         test::TestCertificates::trustedCa()};
    }

    test::TempDir dir;
    test::TestHttpsServer server;
    std::string out;
    std::string err;
};

// The exit status comes from what the update did: only a failure is 1.
TEST_F(UpdateCommandTest, exitStatusFollowsTheOutcomeAndTheStatusTextIsPrinted) {
    EXPECT_EQ(run(fromTheServer()), 0);
    EXPECT_EQ(out, utf8(FullRefreshText("4")) + "\n");

    EXPECT_EQ(run(fromTheServer()), 0);
    EXPECT_EQ(out, utf8(UpToDateText()) + "\n");

    server.setResponse("/douyin_ver.txt", 200, "5");
    server.removeResponse("/douyin_ck.txt");
    EXPECT_EQ(run(fromTheServer()), 1);
    EXPECT_EQ(out, utf8(UpdateFailedText()) + "\n");
    EXPECT_EQ(err, "");
}

TEST_F(UpdateCommandTest, helpPrintsTheUsageAndUpdatesNothing) {
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(out.rfind("Usage: qingtan-update [--dir DIR] [--server URL] [--ca-file FILE]\n", 0), 0u) << out;
    EXPECT_NE(out.find("Exit status: 0 when the library is up to date, 1 when the update failed"), std::string::npos);
    EXPECT_EQ(run({"-h"}), 0);
    EXPECT_EQ(run({"--help", "--bogus"}), 0) << "what follows the help option is not read";
    EXPECT_TRUE(server.requests().empty());
}

// A value is taken as it is, even when it looks like an option: here a server address that cannot be reached.
TEST_F(UpdateCommandTest, valueThatLooksLikeAnOptionIsTheValue) {
    EXPECT_EQ(run({"--dir", dir.path().string(), "--server", "--help"}), 1);
    EXPECT_EQ(out, utf8(UpdateFailedText()) + "\n");
}

} // namespace
} // namespace qingtan
