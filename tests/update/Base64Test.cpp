#include "Base64.h"

#include "TestText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

namespace qingtan {
namespace {

using test::hex;

struct DecodeCase {
    const char* name;
    std::string input;
    std::string expectedHex;
};

void PrintTo(const DecodeCase& c, std::ostream* out) {
    *out << c.name;
}

class Base64DecodeTable : public testing::TestWithParam<DecodeCase> {};

TEST_P(Base64DecodeTable, decodesToExpectedBytes) {
    EXPECT_EQ(hex(Base64Decode(GetParam().input)), GetParam().expectedHex) << "input: " << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, Base64DecodeTable,
    testing::Values(DecodeCase{"empty", "", ""}, DecodeCase{"fullGroup", "QUJD", "41 42 43"},
                    DecodeCase{"twoPads", "QUJDRA==", "41 42 43 44"},
                    DecodeCase{"onePad", "QUJDREU=", "41 42 43 44 45"}, DecodeCase{"crLfAtEnd", "QUJD\r\n", "41 42 43"},
                    DecodeCase{"blank", "QU JD", "41 42 43"}, DecodeCase{"fullWidthBlank", "QU\xA1\xA1JD", "41 42 43"},
                    // A short last group keeps only the bytes its characters carry.
                    DecodeCase{"threeCharacters", "QUI", "41 42"}, DecodeCase{"twoCharacters", "QQ", "41"},
                    DecodeCase{"oneCharacter", "Q", ""},
                    // LF and tab are skipped like blanks, so LF-ended payloads decode whole.
                    DecodeCase{"lfAtEnd", "QUJD\n", "41 42 43"}, DecodeCase{"padsThenLf", "QQ==\n", "41"},
                    DecodeCase{"tabInside", "QU\tJD", "41 42 43"}, DecodeCase{"lfLines", "QUJD\nRA==\n", "41 42 43 44"},
                    // "=" in the middle stops its group with the pad byte as slot value; nothing is removed there.
                    DecodeCase{"padInMiddle", "QUJ=RA==", "41 42 7D 44"},
                    DecodeCase{"characterAfterPadNotRead", "YW=j", "61"}, DecodeCase{"padAlone", "=", ""},
                    // A double-byte character stops its group; the unreached slots keep the previous group's values
                    // (U, J, D), and the character's second byte is not read.
                    DecodeCase{"doubleByteStopsGroup", "QUJD\xB0\xA1QUJD", "41 42 43 C1 42 43 24"},
                    DecodeCase{"leadByteAtEndDropped", "QUJD\xB0", "41 42 43"}),
    [](const testing::TestParamInfo<DecodeCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(Base64Decode, processEventsRunsOncePerGroup) {
    int calls = 0;
    Base64Decode("QUJDQUJDQQ==\r\nQUJD", [&calls] { ++calls; });
    EXPECT_EQ(calls, 4);
}

TEST(Base64Encode, breaksLinesAt76WithCrLf) {
    EXPECT_EQ(Base64Encode(""), "");
    EXPECT_EQ(Base64Encode("ABCD"), "QUJDRA==\r\n");
    const std::string oneLine = Base64Encode(std::string(57, 'x'));
    EXPECT_EQ(oneLine.find('\r'), 76u);
    EXPECT_EQ(oneLine.size(), 78u);
    const std::string twoLines = Base64Encode(std::string(58, 'x'));
    EXPECT_EQ(twoLines.find("\r\n"), 76u);
    EXPECT_EQ(twoLines.size(), 76u + 2 + 4 + 2);
}

TEST(Base64, encodedPayloadDecodesToOriginalBytesWithCrLfOrLfLines) {
    std::mt19937 random(7);
    for (const std::size_t size : {0u, 1u, 2u, 3u, 4u, 56u, 57u, 58u, 1000u, 100000u}) {
        std::string bytes(size, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        const std::string crLf = Base64Encode(bytes);
        std::string lf;
        for (const char c : crLf) {
            if (c != '\r') {
                lf.push_back(c);
            }
        }
        EXPECT_EQ(Base64Decode(crLf), bytes) << size;
        EXPECT_EQ(Base64Decode(lf), bytes) << size;
        EXPECT_TRUE(IsBase64Text(crLf));
    }
}

TEST(IsBase64Text, refusesErrorPagesAndDoubleByteText) {
    EXPECT_TRUE(IsBase64Text("QUJD RA==\t\n"));
    EXPECT_FALSE(IsBase64Text("<html><body>oops</body></html>"));
    EXPECT_FALSE(IsBase64Text("QUJD\xB0\xA1"));
    EXPECT_FALSE(IsBase64Text("QUJD-_"));
}

} // namespace
} // namespace qingtan
