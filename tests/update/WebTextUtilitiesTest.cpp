#include "WebTextUtilities.h"

#include <gtest/gtest.h>

#include <ostream>

namespace qingtan {
namespace {

struct UrlCase {
    std::string url;
    std::string host;
    std::string hostWithPort;
    int port;
    std::string path;
};

void PrintTo(const UrlCase& c, std::ostream* out) {
    *out << c.url;
}

class UrlParts : public testing::TestWithParam<UrlCase> {};

TEST_P(UrlParts, splitIntoHostPortAndPath) {
    const UrlCase& c = GetParam();
    EXPECT_EQ(UrlHost(c.url), c.host);
    EXPECT_EQ(UrlHost(c.url, true), c.hostWithPort);
    EXPECT_EQ(UrlPort(c.url), c.port);
    EXPECT_EQ(UrlPath(c.url), c.path);
}

INSTANTIATE_TEST_SUITE_P(Urls, UrlParts,
                         testing::Values(UrlCase{"HTTPS://Srv.Test:8443/A/b.txt?x=Y", "srv.test", "srv.test:8443", 8443,
                                                 "/A/b.txt?x=Y"},
                                         UrlCase{"srv.test/x", "srv.test", "srv.test", 80, "/x"},
                                         UrlCase{"https://srv.test", "srv.test", "srv.test", 443, "/"},
                                         UrlCase{"http://srv.test:abc/", "srv.test", "srv.test:abc", 0, "/"},
                                         // User information is not understood: the user name comes out as the host.
                                         UrlCase{"https://u:p@srv.test/", "u", "u:p@srv.test", 0, "/"},
                                         UrlCase{"https://srv.test?a=1", "srv.test?a=1", "srv.test?a=1", 443, "/"},
                                         UrlCase{"http://127.0.0.1:8080/douyin_ver.txt", "127.0.0.1", "127.0.0.1:8080",
                                                 8080, "/douyin_ver.txt"}));

TEST(CapitalizeHeaderNames, capitalisesNamesWordByWordAndDropsLinesWithoutColon) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"accept:*/*", "Accept:*/*"},
        {"no colon here\r\nnor here", ""},
        {"x-a--b: 1", "X-A--B: 1"},
        {"x-: 1", "X-: 1"},
        {"user-agent: my-agent", "User-Agent: my-agent"},
        {"content-type: text/plain\r\nx-requested-with: abc\r\nbad line\r\n",
         "Content-Type: text/plain\r\nX-Requested-With: abc"},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(CapitalizeHeaderNames(input), expected) << input;
    }
    EXPECT_EQ(CapitalizeFirst("abc"), "Abc");
    EXPECT_EQ(CapitalizeFirst(""), "");
}

TEST(TextHelpers, trimSearchSplitAndCaseFollowDoubleByteCharacters) {
    EXPECT_EQ(TrimBlanks(" a\t "), "a\t");
    EXPECT_EQ(TrimBlanks("\xA1\xA1 a\r\n\xA1\xA1"), "a\r\n");
    // B0 A1 is one character; only the A1 A1 after it is a full-width blank.
    EXPECT_EQ(TrimBlanks("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
    // The second byte 41 of 81 41 looks like "A" but belongs to the character.
    EXPECT_EQ(AsciiLower("\x81\x41"
                         "B"),
              "\x81\x41"
              "b");
    EXPECT_EQ(AsciiUpper("\x81\x61"
                         "b"),
              "\x81\x61"
              "B");
    EXPECT_EQ(FindText("\x81\x7C|", "|"), 3);
    EXPECT_EQ(FindText("Accept: x", "ACCEPT:", 1, true), 1);
    EXPECT_EQ(FindText("Accept: x", "ACCEPT:"), -1);
    EXPECT_EQ(FindText("", ""), -1);
    EXPECT_EQ(SplitKeepingEmpty("a\r\n\r\nb\r\n", "\r\n"), (TextArray{"a", "", "b"}));
    EXPECT_EQ(SplitKeepingEmpty("", "\r\n"), TextArray{});
    EXPECT_EQ(TextToInteger(" -12x"), -12);
    EXPECT_EQ(TextToInteger("+7"), 7);
    EXPECT_EQ(TextToInteger("abc"), 0);
}

TEST(TextHelpers, afterColonAndBefore) {
    EXPECT_EQ(TextAfterColon("User-Agent: X\r\nAccept: y"), "X\r\nAccept: y");
    EXPECT_EQ(TextAfterColon("no colon"), "");
    EXPECT_EQ(TextBefore("Set-Cookie: x=1", ": "), "Set-Cookie");
    EXPECT_EQ(TextBefore("HTTP/1.1 200 OK", ": "), "");
    EXPECT_EQ(TextBefore(": x", ": "), "");
}

TEST(CookieLists, namesIndexAndUniqueItems) {
    EXPECT_EQ(CookieName(" sid =abc"), "sid");
    EXPECT_EQ(CookieName("flag"), "flag");
    EXPECT_TRUE(HasCookieNamed({"a=1", "b=2"}, "b"));
    EXPECT_FALSE(HasCookieNamed({"a=1", "bb=2"}, "b"));
    EXPECT_EQ(IndexOfText({"x", "y", "y"}, "y"), 2);
    EXPECT_EQ(IndexOfText({"x"}, "z"), -1);
    EXPECT_EQ(UniqueItems("a=1; b=2; a=1", "; "), "a=1; b=2");
    EXPECT_EQ(UniqueItems("", "; "), "");
}

struct MergeCase {
    std::string oldCookies;
    std::string newCookies;
    std::string merged;
    std::string newAfter;
};

void PrintTo(const MergeCase& c, std::ostream* out) {
    *out << "\"" << c.oldCookies << "\" + \"" << c.newCookies << "\"";
}

class MergeCookiesTable : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeCookiesTable, receivedFirstThenUnsetSentOnesWithoutDeleted) {
    AnsiText oldCookies = GetParam().oldCookies;
    AnsiText newCookies = GetParam().newCookies;
    EXPECT_EQ(MergeCookies(oldCookies, newCookies), GetParam().merged);
    EXPECT_EQ(oldCookies, GetParam().merged);
    EXPECT_EQ(newCookies, GetParam().newAfter);
}

INSTANTIATE_TEST_SUITE_P(Cookies, MergeCookiesTable,
                         testing::Values(MergeCase{"a=1; b=2", "b=3; c=deleted", "b=3; a=1", "b=3; c=deleted"},
                                         MergeCase{"a=1;", "", "a=1", ""}, MergeCase{"", "", "", ""},
                                         MergeCase{"c=5", "c=deleted", "", "c=deleted"},
                                         MergeCase{" a=1; a=1 ", "b=2 ", "b=2; a=1", "b=2"},
                                         MergeCase{"", "x=1; x=1", "x=1", "x=1; x=1"}));

} // namespace
} // namespace qingtan
