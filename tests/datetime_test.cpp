#include <gtest/gtest.h>

#include <string>

#include "platform/datetime.h"
#include "platform/exceptions.h"
#include "support/fake_fixture.h"

using namespace tiklet;

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(TryEncodeDate(y, mo, d, date));
    EXPECT_TRUE(TryEncodeTime(h, mi, s, ms, time));
    return ComposeDateTime(date, time);
}

TEST(DateTime, CountsDaysFromTheEndOf1899) {
    EXPECT_DOUBLE_EQ(At(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(At(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(At(2000, 1, 1, 12), 36526.5);
    EXPECT_DOUBLE_EQ(At(1899, 12, 29, 6), -1.25) << "before the epoch the fraction counts forward";
}

TEST(DateTime, EncodeAndDecodeRoundTripToTheMillisecond) {
    const int cases[][7] = {{2000, 1, 1, 12, 0, 0, 0},      {2024, 2, 29, 23, 59, 59, 999},
                            {1999, 12, 31, 0, 0, 0, 1},     {9999, 12, 31, 23, 59, 59, 999},
                            {1, 1, 1, 0, 0, 0, 0},          {1850, 6, 15, 18, 30, 15, 500}};
    for (const auto& c : cases) {
        const TDateTime value = At(c[0], c[1], c[2], c[3], c[4], c[5], c[6]);
        std::uint16_t y, mo, d, h, mi, s, ms;
        DecodeDate(value, y, mo, d);
        DecodeTime(value, h, mi, s, ms);
        EXPECT_EQ((std::vector<int>{y, mo, d, h, mi, s, ms}), (std::vector<int>(c, c + 7))) << value;
        EXPECT_EQ(FromMilliseconds(ToMilliseconds(value)), value);
    }
}

TEST(DateTime, RejectsDatesAndTimesThatDoNotExist) {
    TDateTime out;
    EXPECT_FALSE(TryEncodeDate(2026, 2, 29, out));
    EXPECT_TRUE(TryEncodeDate(2024, 2, 29, out));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, out));
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, out));
    EXPECT_FALSE(TryEncodeDate(2026, 4, 31, out));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, out));
    EXPECT_FALSE(TryEncodeDate(2026, 13, 1, out));
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, out));
    EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, out));
    EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, out));
}

TEST(DateTime, DayOfWeekStartsWithSunday) {
    EXPECT_EQ(DayOfWeek(At(2002, 1, 6)), 1);            // a Sunday
    EXPECT_EQ(DayOfWeek(At(2002, 3, 5, 9, 7, 4)), 3);   // a Tuesday
    EXPECT_EQ(DayOfWeek(At(2002, 3, 9, 23, 59, 59)), 7);
    EXPECT_EQ(DayOfWeek(At(1899, 12, 30)), 7);
    EXPECT_EQ(DayOfWeek(At(1899, 12, 24)), 1);
}

TEST(DateTime, TextHasTheFixedDayFirstForm) {
    EXPECT_EQ(DateTimeToStr(At(2002, 3, 5, 9, 7, 4)), "05.03.2002 09:07:04");
    EXPECT_EQ(DateTimeToStr(At(2002, 3, 5)), "05.03.2002") << "a whole day gives the date alone";
    EXPECT_EQ(DateTimeToStr(At(1899, 12, 30, 13, 5, 0)), "13:05:00") << "below 1 gives the time alone";
    EXPECT_EQ(DateTimeToStr(At(2026, 12, 31, 23, 59, 59, 999)), "31.12.2026 23:59:59") << "seconds are not rounded up";
    EXPECT_EQ(DateToStr(At(33, 1, 2, 3)), "02.01.0033");
    EXPECT_EQ(TimeToStr(At(2000, 1, 1, 0, 0, 1)), "00:00:01");
}

TEST(DateTime, ReadersTakeTheFixedFormWithShortFields) {
    EXPECT_DOUBLE_EQ(StrToDateTime("01.01.2000 12:00:00"), At(2000, 1, 1, 12));
    EXPECT_DOUBLE_EQ(StrToDateTime("1.2.2000 3:4:5"), At(2000, 2, 1, 3, 4, 5));
    EXPECT_DOUBLE_EQ(StrToDateTime("29.02.2024"), At(2024, 2, 29));
    EXPECT_DOUBLE_EQ(StrToDateTime("07:30:45"), At(1899, 12, 30, 7, 30, 45));
    EXPECT_DOUBLE_EQ(StrToDate("31.12.2002"), At(2002, 12, 31));
    EXPECT_DOUBLE_EQ(StrToTime("23:59:59"), At(1899, 12, 30, 23, 59, 59));
    for (const TDateTime v : {At(2026, 12, 11, 7, 30, 0), At(1950, 6, 1, 0, 0, 1), At(2002, 7, 31)})
        EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(v)), v) << DateTimeToStr(v);
}

TEST(DateTime, ReadersRejectOtherFormsWithTheirOwnMessages) {
    struct Case {
        const char* text;
        const char* dateTime;  // what StrToDateTime says
    };
    const Case cases[] = {
        {"11.12.20260", "'11.12.20260' is not a valid date and time"},
        {"31.02.2026 10:00:00", "'31.02.2026 10:00:00' is not a valid date and time"},
        {"hourly", "'hourly' is not a valid date and time"},
        {"", "'' is not a valid date and time"},
        {"01.01.2000 24:00:00", "'01.01.2000 24:00:00' is not a valid date and time"},
        {"01.01.2000  12:00:00", "'01.01.2000  12:00:00' is not a valid date and time"},
        {"01.01.2000 12:00:00 ", "'01.01.2000 12:00:00 ' is not a valid date and time"},
        {"01/01/2000 12:00:00", "'01/01/2000 12:00:00' is not a valid date and time"},
        {"001.01.2000 12:00:00", "'001.01.2000 12:00:00' is not a valid date and time"},
        {"01.01.2000 12:00", "'01.01.2000 12:00' is not a valid date and time"},
    };
    for (const Case& c : cases) {
        try {
            StrToDateTime(c.text);
            ADD_FAILURE() << "accepted '" << c.text << "'";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.dateTime);
        }
    }
    try {
        StrToDate("01.01.2000 12:00:00");
        ADD_FAILURE() << "a date with a time is not a date";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'01.01.2000 12:00:00' is not a valid date");
    }
    try {
        StrToTime("12:61:00");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'12:61:00' is not a valid time");
    }
    TDateTime out;
    EXPECT_FALSE(TryStrToFullDateTime("11.12.2026", out)) << "a full date-time needs both parts";
    EXPECT_TRUE(TryStrToFullDateTime("11.12.2026 07:30:45", out));
}

TEST(DateTime, FullDateTimeReadsTheSameAsWholeSeconds) {
    for (const char* text : {"11.12.2026 07:30:45", "1.1.0001 0:0:0", "29.12.1899 06:00:01", "31.12.9999 23:59:59",
                             "30.12.1899 00:00:00", "29.02.2028 12:00:00"}) {
        TDateTime value;
        std::int64_t seconds = 0;
        ASSERT_TRUE(TryStrToFullDateTime(text, value)) << text;
        ASSERT_TRUE(TryStrToFullDateTimeSeconds(text, seconds)) << text;
        const std::int64_t ms = ToMilliseconds(value);
        EXPECT_EQ(seconds, ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000)) << text;
    }
    std::int64_t seconds = 0;
    for (const char* text : {"29.02.2026 12:00:00", "11.12.2026", "11.12.2026 7:30", "11.12.2026 07:30:45 "})
        EXPECT_FALSE(TryStrToFullDateTimeSeconds(text, seconds)) << text;
}

class Clock : public tiklet::testing::FakeTest {};

TEST_F(Clock, NowAndDateFollowTheSettableClock) {
    fake::SetNow(2026, 12, 31, 23, 59, 59, 500);
    EXPECT_EQ(DateTimeToStr(Now()), "31.12.2026 23:59:59");
    EXPECT_EQ(Date(), At(2026, 12, 31));
    fake::Advance(500);
    EXPECT_EQ(DateTimeToStr(Now()), "01.01.2027");
    EXPECT_EQ(DayOfWeek(Date()), 6);  // a Friday
}

}  // namespace
