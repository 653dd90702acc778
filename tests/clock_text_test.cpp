#include <string>

#include "display/clock_text.h"
#include "support/fake_fixture.h"

using namespace tiklet;
using namespace tiklet::testing;

namespace {

struct TextCase {
    int format;
    bool russian;
    int y, mo, d, h, mi, s;
    std::string expected;
};

class ClockText : public FakeTest, public ::testing::WithParamInterface<TextCase> {};

// The now fields come from the moment the fake clock shows, as a tick takes them.
void TickAt(int y, int mo, int d, int h, int mi, int s) {
    fake::SetNow(y, mo, d, h, mi, s, 250);
    TClockState& st = ClockState;
    st.nowYear = static_cast<std::uint16_t>(y);
    st.nowMonth = static_cast<std::uint16_t>(mo);
    st.nowDay = static_cast<std::uint16_t>(d);
    st.nowHour = static_cast<std::uint16_t>(h);
    st.nowMinute = static_cast<std::uint16_t>(mi);
    st.nowSecond = static_cast<std::uint16_t>(s);
    ComposeClockText();
}

TEST_P(ClockText, ComposesTheFormat) {
    const TextCase& c = GetParam();
    ClockState.format = static_cast<std::uint16_t>(c.format);
    if (c.russian) UseRussianNames();
    TickAt(c.y, c.mo, c.d, c.h, c.mi, c.s);
    EXPECT_EQ(ClockState.clockText, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ClockText,
    ::testing::Values(
        TextCase{2, false, 2002, 3, 5, 0, 0, 0, "00:00:00"}, TextCase{2, false, 2002, 3, 5, 9, 59, 59, "09:59:59"},
        TextCase{2, false, 2002, 3, 5, 10, 0, 0, "10:00:00"}, TextCase{1, false, 2002, 3, 5, 9, 7, 4, "09:07"},
        TextCase{3, false, 2002, 12, 31, 23, 59, 59, "31.12.2002 23:59:59"},
        TextCase{3, false, 2003, 1, 1, 0, 0, 0, "01.01.2003 00:00:00"},
        TextCase{4, false, 2002, 3, 5, 9, 7, 4, "Tue, 05 Mar 09:07:04"},
        TextCase{4, false, 2002, 1, 6, 0, 0, 0, "Sun, 06 Jan 00:00:00"},
        TextCase{4, false, 2002, 3, 9, 23, 59, 59, "Sat, 09 Mar 23:59:59"},
        TextCase{4, false, 2002, 12, 31, 12, 0, 0, "Tue, 31 Dec 12:00:00"},
        TextCase{4, true, 2002, 3, 5, 9, 7, 4, "\xC2\xF2\xF0, 05 \xCC\xE0\xF0 09:07:04"},
        TextCase{4, true, 2002, 1, 6, 0, 0, 0, "\xC2\xF1\xEA, 06 \xDF\xED\xE2 00:00:00"},
        TextCase{4, true, 2002, 12, 31, 12, 0, 0, "\xC2\xF2\xF0, 31 \xC4\xE5\xEA 12:00:00"},
        TextCase{3, true, 2002, 3, 5, 9, 7, 4, "05.03.2002 09:07:04"}),
    [](const auto& info) {
        return "Format" + std::to_string(info.param.format) + (info.param.russian ? "Russian" : "English") +
               std::to_string(info.index);
    });

TEST_F(ClockText, LengthsAreFixedPerFormat) {
    const std::size_t lengths[] = {0, 5, 8, 19, 20};
    for (int format = 1; format <= 4; ++format) {
        ClockState.format = static_cast<std::uint16_t>(format);
        TickAt(2026, 7, 4, 3, 2, 1);
        EXPECT_EQ(ClockState.clockText.size(), lengths[format]) << format;
    }
}

TEST_F(ClockText, EveryPartIsRewrittenWhateverTheFormat) {
    ClockState.format = 1;
    TickAt(2002, 3, 5, 9, 7, 4);
    EXPECT_EQ(ClockState.secondText, "04");
    EXPECT_EQ(ClockState.dayText, "05");
    EXPECT_EQ(ClockState.monthText, "03");
    EXPECT_EQ(ClockState.yearText, "2002");
    TickAt(2010, 11, 25, 21, 17, 48);
    EXPECT_EQ(ClockState.hourText + ClockState.minuteText + ClockState.secondText, "211748");
    EXPECT_EQ(ClockState.dayText + ClockState.monthText + ClockState.yearText, "25112010");
}

TEST_F(ClockText, UnknownFormatsLeaveTheTextAsItWas) {
    for (const int format : {0, 5, 0xFFFF}) {
        ClockState.format = static_cast<std::uint16_t>(format);
        ClockState.clockText = "";
        TickAt(2002, 3, 5, 9, 7, 4);
        TickAt(2002, 3, 5, 9, 7, 5);
        EXPECT_EQ(ClockState.clockText, "") << format;
        EXPECT_EQ(ClockState.secondText, "05");
    }
}

TEST_F(ClockText, TheWeekdayComesFromTheClockNotTheNowFields) {
    ClockState.format = 4;
    fake::SetNow(2002, 1, 6, 0, 0, 0);  // a Sunday
    ClockState.nowYear = 2002;
    ClockState.nowMonth = 3;
    ClockState.nowDay = 5;  // a Tuesday in the fields
    ComposeClockText();
    EXPECT_EQ(ClockState.clockText.substr(0, 3), "Sun");
}

}  // namespace
