#include "core/conversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime_failure.h"

namespace lwviz::conv {
namespace {

int FailureNumber(auto&& action) {
    try {
        action();
    } catch (const RuntimeFailure& failure) {
        return failure.number();
    }
    return 0;
}

TEST(ConversionsTest, LenientReadingTakesTheLongestNumericPrefix) {
    EXPECT_EQ(ValOfText("HOURS_TB"), 0.0);
    EXPECT_EQ(ValOfText("12abc"), 12.0);
    EXPECT_EQ(ValOfText(" \t-3.5E2x"), -350.0);
    EXPECT_EQ(ValOfText("1,5"), 1.0);
    EXPECT_EQ(ValOfText(".5"), 0.5);
    EXPECT_EQ(ValOfText("+7."), 7.0);
    EXPECT_EQ(ValOfText("1E"), 1.0);
    EXPECT_EQ(ValOfText("2e+"), 2.0);
    EXPECT_EQ(ValOfText("1.2.3"), 1.2);
    EXPECT_EQ(ValOfText("-.e5"), 0.0);
    EXPECT_EQ(ValOfText(""), 0.0);
    EXPECT_EQ(ValOfText("1e999"), HUGE_VAL);
    EXPECT_EQ(ValOfText("-1e999"), -HUGE_VAL);
    EXPECT_EQ(ValOfText("0.000001e-999"), 0.0);
}

TEST(ConversionsTest, StrictReadingRejectsWhatLenientReadingTolerates) {
    EXPECT_EQ(TextToDouble(" \t-3.5E2 "), -350.0);
    EXPECT_EQ(TextToDouble("1E-05"), 1e-5);
    EXPECT_EQ(TextToDouble("1,5", ','), 1.5);
    EXPECT_EQ(TextToDouble("1E-400"), 0.0);
    // A separator other than '.' goes through a copy; a long text must not break it.
    EXPECT_EQ(TextToDouble("0," + std::string(100, '0') + "1E+101", ','), 1.0);
    const std::pair<const char*, char> kMismatches[] = {
        {"", '.'},   {"  ", '.'}, {"abc", '.'}, {"1.2.3", '.'}, {"12abc", '.'},
        {"1E", '.'}, {"-.", '.'}, {"1 2", '.'}, {"1,5", '.'},   {"1.5", ','}};
    for (const auto& [text, separator] : kMismatches) {
        EXPECT_EQ(FailureNumber([&] { (void)TextToDouble(text, separator); }),
                  RuntimeFailure::kTypeMismatch)
            << text;
    }
    EXPECT_EQ(FailureNumber([] { (void)TextToDouble("-1E309"); }), RuntimeFailure::kOverflow);
}

TEST(ConversionsTest, SingleAndIntegerReadingKeepTheirRanges) {
    EXPECT_EQ(TextToSingle("3.4028235E+38"), 3.4028235e38f);
    EXPECT_EQ(TextToInteger("2.5"), 2);
    EXPECT_EQ(TextToInteger("3.5"), 4);
    EXPECT_EQ(TextToInteger("-32768.5"), -32768);
    EXPECT_EQ(TextToInteger("32767.4"), 32767);
    EXPECT_EQ(FailureNumber([] { (void)TextToSingle("3.5E+38"); }), RuntimeFailure::kOverflow);
    for (const char* text : {"32767.5", "-32769"}) {
        EXPECT_EQ(FailureNumber([&] { (void)TextToInteger(text); }), RuntimeFailure::kOverflow);
    }
    EXPECT_EQ(FailureNumber([] { (void)TextToInteger("2x"); }), RuntimeFailure::kTypeMismatch);
}

TEST(ConversionsTest, DoubleTextHasFifteenSignificantDigits) {
    EXPECT_EQ(DoubleToText(90061.5), "90061.5");
    EXPECT_EQ(DoubleToText(1501.025), "1501.025");
    EXPECT_EQ(DoubleToText(90061500 / 3600000.0), "25.0170833333333");
    EXPECT_EQ(DoubleToText(90061500 / 86400000.0), "1.04237847222222");
    EXPECT_EQ(DoubleToText(2147483647 / 86400000.0), "24.8551348032407");
    EXPECT_EQ(DoubleToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(DoubleToText(-0.0), "0");
    EXPECT_EQ(DoubleToText(-12.5, ','), "-12,5");
    EXPECT_EQ(DoubleToText(0.0001), "0.0001");
    EXPECT_EQ(DoubleToText(0.00001), "1E-05");
    EXPECT_EQ(DoubleToText(1.23456e-7, ','), "1,23456E-07");
    EXPECT_EQ(DoubleToText(999999999999999.0), "999999999999999");
    EXPECT_EQ(DoubleToText(1e15), "1E+15");
    EXPECT_EQ(DoubleToText(1.5e15), "1.5E+15");
    EXPECT_EQ(DoubleToText(1e100), "1E+100");
    std::string out = "previous content that is long";
    DoubleToText(2.0, out);
    EXPECT_EQ(out, "2");
    LongToText(-2147483648LL, out);
    EXPECT_EQ(out, "-2147483648");
}

// The fast paths give what to_chars and from_chars give: random values of every magnitude
// around the fixed range, its edges, and exact ties at the fifteenth digit, written as text and
// read back from it.
TEST(ConversionsTest, DoubleTextAndItsReadingAreToCharsAndFromChars) {
    const auto reference = [](double value) {
        std::array<char, 40> buffer{};
        const auto end = std::to_chars(buffer.begin(), buffer.end(), value == 0 ? 0.0 : value,
                                       std::chars_format::general, 15)
                             .ptr;
        std::string text(buffer.begin(), end);
        std::replace(text.begin(), text.end(), 'e', 'E');
        return text;
    };
    std::mt19937_64 random(20261207);
    std::vector<double> values = {123456789012345.5, 123456789012346.5,    99999999999999.99,
                                  999999999999999.9, 9.999999999999995e-5, 0.00099999999999999995};
    for (int i = 0; i < 200'000; ++i) {
        const double exponent = std::uniform_real_distribution<double>(-6, 16)(random);
        values.push_back(std::pow(10.0, exponent) * (random() % 2 == 0 ? 1 : -1));
    }
    for (const double value : values) {
        const std::string text = DoubleToText(value);
        ASSERT_EQ(text, reference(value)) << std::hexfloat << value;
        double read = 0;
        std::from_chars(text.data(), text.data() + text.size(), read);
        ASSERT_EQ(ValOfText(text), read) << text;
    }
}

TEST(ConversionsTest, SingleTextHasSevenSignificantDigits) {
    EXPECT_EQ(SingleToText(1000.f), "1000");
    EXPECT_EQ(SingleToText(4380.f), "4380");
    EXPECT_EQ(SingleToText(1234.5f, ','), "1234,5");
    EXPECT_EQ(SingleToText(0.1f), "0.1");
    EXPECT_EQ(SingleToText(9999999.f), "9999999");
    EXPECT_EQ(SingleToText(1e7f), "1E+07");
    EXPECT_EQ(SingleToText(-0.00001f), "-1E-05");
}

TEST(ConversionsTest, DoubleTextReadsBackToWithinFifteenDigits) {
    for (const char separator : {'.', ','}) {
        for (double magnitude = 1.234567890123456e-30; magnitude < 1e30; magnitude *= 7.3) {
            for (const double value : {magnitude, -magnitude}) {
                const double back = TextToDouble(DoubleToText(value, separator), separator);
                EXPECT_NEAR(back, value, std::fabs(value) * 1e-14) << value;
            }
        }
    }
}

TEST(ConversionsTest, RoundingBreaksTiesToEven) {
    EXPECT_EQ(RoundHalfEven(0.5, 0), 0.0);
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.5, 0)));
    EXPECT_EQ(RoundHalfEven(1.5, 0), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5, 0), 2.0);
    EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(RoundHalfEven(0.4999999, 7), 0.4999999);
    EXPECT_EQ(RoundHalfEven(25.01708333, 4), 25.0171);
    EXPECT_EQ(RoundHalfEven(1250.0, -2), 1200.0);
    EXPECT_EQ(RoundHalfEven(1e300, 10), 1e300);

    EXPECT_EQ(ToLong(0.5), 0);
    EXPECT_EQ(ToLong(1.5), 2);
    EXPECT_EQ(ToLong(-2.5), -2);
    EXPECT_EQ(ToLong(2147483647.4), 2147483647);
    EXPECT_EQ(ToLong(-2147483648.5), INT32_MIN);
    for (const double value : {2147483647.5, -2147483649.0, std::nan(""), HUGE_VAL}) {
        EXPECT_EQ(FailureNumber([=] { (void)ToLong(value); }), RuntimeFailure::kOverflow) << value;
    }
}

}  // namespace
}  // namespace lwviz::conv
