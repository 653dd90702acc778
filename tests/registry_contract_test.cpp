// One table of registry cases, run natively against the fake store and under
// Wine against the real registry: the fake must behave like Win32.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/registry.h"
#include "support/raw_registry.h"

using namespace tiklet;
using std::string;

namespace {

const string kKey = "SOFTWARE\\Nuvor Soft\\TikletContract";

string Dword(std::uint32_t v) {
    string b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}
string Bytes(const char* s, std::size_t n) { return string(s, n); }

enum class Read { Integer, String };

struct ReadCase {
    const char* label;
    Read read;
    bool present;
    std::uint32_t type;
    string bytes;
    string expected;  // decimal for integers, the text for strings; or the error message
    bool fails;
};

class RegistryContract : public ::testing::TestWithParam<ReadCase> {
protected:
    void SetUp() override { rawreg::DeleteKeyTree(kKey); }
    void TearDown() override { rawreg::DeleteKeyTree(kKey); }
};

TEST_P(RegistryContract, ReadsFollowTheStoreRules) {
    const ReadCase& c = GetParam();
    if (c.present) rawreg::SetValue(kKey, "value", c.type, c.bytes);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\" + kKey, true));
    try {
        const string got =
            c.read == Read::Integer ? std::to_string(registry.ReadInteger("value")) : registry.ReadString("value");
        EXPECT_FALSE(c.fails) << "no error raised";
        EXPECT_EQ(got, c.expected);
    } catch (const ERegistryException& e) {
        EXPECT_TRUE(c.fails) << e.what();
        EXPECT_EQ(string(e.what()), c.expected);
    }
}

const ReadCase kReadCases[] = {
    {"DwordLarge", Read::Integer, true, kRegDword, Dword(70000), "70000", false},
    {"DwordNegative", Read::Integer, true, kRegDword, Dword(0xFFFFFFF6u), "-10", false},
    {"DwordShort", Read::Integer, true, kRegDword, Bytes("\x34\x12", 2), "4660", false},
    {"IntegerMissing", Read::Integer, false, 0, "", "Failed to get data for 'value'", true},
    {"IntegerFromTwoByteText", Read::Integer, true, kRegSz, Bytes("5\0", 2), "Invalid data type for 'value'", true},
    {"IntegerFromSixByteText", Read::Integer, true, kRegSz, Bytes("12345\0", 6), "Failed to get data for 'value'", true},
    {"IntegerFromBinary4", Read::Integer, true, kRegBinary, Dword(7), "Invalid data type for 'value'", true},
    {"IntegerFromQword", Read::Integer, true, kRegQword, Dword(7) + Dword(0), "Failed to get data for 'value'", true},
    {"Text", Read::String, true, kRegSz, Bytes("Arial\0", 6), "Arial", false},
    {"ExpandTextTakenLiterally", Read::String, true, kRegExpandSz, Bytes("%WINDIR%\0", 9), "%WINDIR%", false},
    {"TextMissing", Read::String, false, 0, "", "", false},
    {"TextEmpty", Read::String, true, kRegSz, "", "", false},
    {"TextEndsAtFirstNul", Read::String, true, kRegSz, Bytes("ab\0cd\0", 6), "ab", false},
    {"TextWithoutNul", Read::String, true, kRegSz, "abc", "abc", false},
    {"TextHighBytes", Read::String, true, kRegSz, Bytes("\xC2\xF1\xEA\0", 4), "\xC2\xF1\xEA", false},
    {"TextFromDword", Read::String, true, kRegDword, Dword(1), "Invalid data type for 'value'", true},
    {"TextFromEmptyDword", Read::String, true, kRegDword, "", "", false},
    {"TextFromMultiSz", Read::String, true, kRegMultiSz, Bytes("a\0b\0\0", 5), "Invalid data type for 'value'", true},
};

INSTANTIATE_TEST_SUITE_P(Cases, RegistryContract, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return string(info.param.label); });

TEST(RegistryContractKeys, OpenCreatesTheKeyAndWriteStoresADword) {
    rawreg::DeleteKeyTree(kKey);
    {
        TRegistry registry;
        registry.SetRootKey(RootKey::CurrentUser);
        ASSERT_TRUE(registry.OpenKey("\\" + kKey + "\\Sub", true));
        registry.WriteInteger("left", 65526);
        registry.WriteInteger("Left", 12);  // names ignore case: the same value
    }
    EXPECT_TRUE(rawreg::KeyExists(kKey + "\\Sub"));
    std::uint32_t type = 0;
    string bytes;
    ASSERT_TRUE(rawreg::GetValue(kKey + "\\Sub", "LEFT", type, bytes));
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(bytes, Dword(12));
    rawreg::DeleteKeyTree(kKey);
}

TEST(RegistryContractKeys, OpenWithoutCreateFailsForAMissingKey) {
    rawreg::DeleteKeyTree(kKey);
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey("\\" + kKey, false));
    EXPECT_FALSE(rawreg::KeyExists(kKey));
    // With no key open, nothing can be read or written, and no name is listed.
    EXPECT_THROW(registry.ReadInteger("left"), ERegistryException);
    EXPECT_EQ(registry.ReadString("fontname"), "");
    EXPECT_THROW(registry.WriteInteger("top", 1), ERegistryException);
    std::vector<string> names{"stale"};
    registry.GetValueNames(names);
    EXPECT_TRUE(names.empty());
}

TEST(RegistryContractKeys, ListsEveryValueNameOnce) {
    rawreg::DeleteKeyTree(kKey);
    const string names[] = {"01.01.2030 10:00:00", "Daily 07:30:00", "Hourly", "", "x"};
    for (const string& n : names) rawreg::SetValue(kKey, n, kRegSz, Bytes("t\0", 2));
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\" + kKey, true));
    std::vector<string> listed;
    registry.GetValueNames(listed);
    std::vector<string> expected(std::begin(names), std::end(names));
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
    rawreg::DeleteKeyTree(kKey);
}

}  // namespace
