#include <string>

#include "platform/exceptions.h"
#include "support/fake_fixture.h"

using namespace tiklet;
using namespace tiklet::testing;

namespace {

class Settings : public FakeTest {
protected:
    void SetUp() override {
        FakeTest::SetUp();
        WriteGoodSettings();
    }
    // The message ReadSettings fails with, or "" when it succeeds.
    static std::string ReadFailure() {
        try {
            ReadSettings();
            return "";
        } catch (const ERegistryException& e) {
            return e.what();
        }
    }
};

TEST_F(Settings, ReadsEveryValueIntoItsField) {
    ASSERT_EQ(ReadFailure(), "");
    const TClockState& s = ClockState;
    EXPECT_EQ(s.left, 100);
    EXPECT_EQ(s.top, 50);
    EXPECT_EQ(transparency, 85);
    EXPECT_EQ(s.startColor, 0xFFFFFFu);
    EXPECT_EQ(s.endColor, 0x800000u);
    EXPECT_EQ(s.fontColor, 0x00FFFFu);
    EXPECT_EQ(s.fontName, "Arial");
    EXPECT_EQ(s.italic, 0);
    EXPECT_EQ(s.fontHeight, 20);
    EXPECT_EQ(s.fontWeight, 700);
    EXPECT_EQ(s.style, 3);
    EXPECT_EQ(s.format, 2);
    EXPECT_EQ(dayNames[0], "Sun");
    EXPECT_EQ(fake::OpenKeyHandles(), 0) << "the settings key is closed again";
}

TEST_F(Settings, NumbersKeepTheirLowSixteenBitsAndColoursAllThirtyTwo) {
    fake::SetDword(kSettings, "left", 70000);
    fake::SetDword(kSettings, "top", static_cast<std::uint32_t>(-10));
    fake::SetDword(kSettings, "startcolor", 0xAB123456);
    fake::SetDword(kSettings, "italic", 2);
    ASSERT_EQ(ReadFailure(), "");
    EXPECT_EQ(ClockState.left, 4464);
    EXPECT_EQ(ClockState.top, 65526);
    EXPECT_EQ(ClockState.startColor, 0xAB123456u);
    EXPECT_EQ(ClockState.italic, 1);
}

TEST_F(Settings, OnlyLanguageOneSelectsTheRussianNames) {
    struct Case {
        std::uint32_t language;
        bool russian;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{2, false}, Case{65537, false}}) {
        UseEnglishNames();
        fake::SetDword(kSettings, "language", c.language);
        ASSERT_EQ(ReadFailure(), "");
        EXPECT_EQ(dayNames[0], c.russian ? "\xC2\xF1\xEA" : "Sun") << c.language;
        EXPECT_EQ(dayNames[6], c.russian ? "\xD1\xF3\xE1" : "Sat") << c.language;
        EXPECT_EQ(monthNames[0], c.russian ? "\xDF\xED\xE2" : "Jan") << c.language;
        EXPECT_EQ(monthNames[11], c.russian ? "\xC4\xE5\xEA" : "Dec") << c.language;
    }
}

TEST_F(Settings, MissingFontNameIsEmptyButAMistypedOneFails) {
    fake::DeleteValue(kSettings, "fontname");
    ClockState.fontName = "stale";
    EXPECT_EQ(ReadFailure(), "");
    EXPECT_EQ(ClockState.fontName, "");

    fake::SetDword(kSettings, "fontname", 5);
    EXPECT_EQ(ReadFailure(), "Invalid data type for 'fontname'");
}

TEST_F(Settings, AFailedReadKeepsTheValuesBeforeItAndReadsNoFurther) {
    fake::DeleteValue(kSettings, "transparency");
    EXPECT_EQ(ReadFailure(), "Failed to get data for 'transparency'");
    EXPECT_EQ(ClockState.left, 100);
    EXPECT_EQ(ClockState.top, 50);
    EXPECT_EQ(ClockState.startColor, 0u) << "nothing after the failed value is read";
    EXPECT_EQ(fake::OpenKeyHandles(), 0) << "the key is closed on the way out";
}

TEST_F(Settings, FormatStoredAsTextFailsByItsSize) {
    fake::SetString(kSettings, "format", "2");  // two bytes with the NUL
    EXPECT_EQ(ReadFailure(), "Invalid data type for 'format'");
    fake::SetString(kSettings, "format", "12345");  // six bytes
    EXPECT_EQ(ReadFailure(), "Failed to get data for 'format'");
}

TEST_F(Settings, WithNoKeyTheKeyIsCreatedAndLeftIsMissing) {
    fake::DeleteKey(kSettings);
    EXPECT_EQ(ReadFailure(), "Failed to get data for 'left'");
    EXPECT_TRUE(fake::KeyExists(kSettings));
}

TEST_F(Settings, AKeyThatCannotBeOpenedFailsAtTheFirstRead) {
    fake::FailOpen(kSettings);
    EXPECT_EQ(ReadFailure(), "Failed to get data for 'left'");
}

}  // namespace
