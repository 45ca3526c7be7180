#include "calendar/UDateTime.h"

#include <gtest/gtest.h>

TEST(DateTime, FormatsEveryPattern) {
    const TDateTime Value = EncodeDateTime(2024, 5, 1, 14, 7, 9);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", Value), "2024-05-01");
    EXPECT_EQ(FormatDateTime("yyyymmdd", Value), "20240501");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", Value), "2024-05-01 14:07");
    EXPECT_EQ(FormatDateTime("hh:nn:ss", Value), "14:07:09");
    EXPECT_EQ(FormatDateTime("mmdd", Value), "0501");
    EXPECT_EQ(FormatDateTime("dd", Value), "01");
}

TEST(DateTime, DecodeReturnsTheParts) {
    const TDateParts Parts = DecodeDateTime(EncodeDateTime(1901, 12, 31, 23, 59, 58, 7));
    EXPECT_EQ(Parts.Year, 1901);
    EXPECT_EQ(Parts.Month, 12);
    EXPECT_EQ(Parts.Day, 31);
    EXPECT_EQ(Parts.Hour, 23);
    EXPECT_EQ(Parts.Minute, 59);
    EXPECT_EQ(Parts.Second, 58);
    EXPECT_EQ(Parts.Millisecond, 7);
}

TEST(DateTime, ImpossibleDatesRaiseTheConversionError) {
    struct Case {
        int Year, Month, Day;
    };
    for (const Case& C : {Case{2012, 2, 30}, Case{2011, 2, 29}, Case{2012, 0, 1}, Case{2012, 13, 1},
                          Case{2012, 4, 31}, Case{2012, 1, 0}, Case{0, 1, 1}}) {
        try {
            EncodeDate(C.Year, C.Month, C.Day);
            ADD_FAILURE() << C.Year << "-" << C.Month << "-" << C.Day << " was accepted";
        } catch (const EConvertError& Error) {
            EXPECT_STREQ(Error.what(), "Invalid argument to date encode");
        }
    }
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
}

TEST(DateTime, ImpossibleTimesRaiseTheConversionError) {
    EXPECT_THROW(EncodeDateTime(2012, 1, 1, 24, 0, 0), EConvertError);
    EXPECT_THROW(EncodeDateTime(2012, 1, 1, 0, 60, 0), EConvertError);
    EXPECT_THROW(EncodeDateTime(2012, 1, 1, 0, 0, 60), EConvertError);
}
