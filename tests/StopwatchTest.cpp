#include "scans/Stopwatch.h"

#include "RecordingFormView.h"
#include "scans/Scans.h"

#include <gtest/gtest.h>
#include <tuple>

namespace faktorlupe {
namespace {

using testing::stopwatchReading;

// Two clock readings, in seconds since midnight, and the elapsed texts the stopwatch shows under
// a decimal-point and a decimal-comma locale. Worked out by hand:
// - 36 s and 36.45 s are 3600 and 3645 hundredths: 0.45 s under either separator.
// - 0.125 s is 12.5 hundredths, written "12,5" under the comma and read back as 12: the comma
//   locale counts 38 hundredths to 0.5 s where the point locale counts 37.5.
// - 9000.1875 s is 900018.75 hundredths, written "900018.8" and kept in single precision as
//   900018.8125; to 900050 that is 0.311875 s. Under the comma only 900018 is read: 0.32 s.
// - From 1000000 hundredths on, 7 digits leave no room for a fraction: 1000018.75 is written
//   "1000019" under either separator.
// - At 00:30, 1800.007 s is written "180000.7" and kept in single precision as 180000.703125:
//   the end reading lies below the start though no time passed, which is 0 s, not a day. The
//   same at 02:30 (9000.1875 s, kept as 900018.8125) and at 02:46 ("996000.3", kept as
//   996000.3125). A real hundredth later the noise stays: 180001.7 - 180000.703125 in
//   double precision (180001.7 has no exact double) gives 0.00996875000011642 s.
// - A scan from 23:59:59.5 to 00:00:00.25 takes 0.75 s, not minus a day.
// - At 23:59, 86340.0078125 s is 8634000.78125 hundredths, kept in single precision as 8634001;
//   half a second later 8634050: 0.49 s where the precise clock counted 0.5 s. Rounding, not a
//   step of the clock: the readings' own text stays.
// The clock steps: the precise clock, which never jumps, counts the true seconds, and the time
// box shows them, written as a reading is (150 hundredths are "150", so 1.5 s; under the comma
// 75.6 hundredths are cut to 75):
// - Spring switch in Berlin: 01:59:59.5 to 03:00:01 are 1.5 s, not 3601.5 s.
// - Autumn switch: 02:59:59.5 to the second 02:00:00.25 are 0.75 s, not 0 s.
// - A person or NTP sets the clock a second forward during the scan: 0.72 s, not 1.72 s; a second
//   back: 0.5 s, not 0 s; a second forward just at midnight: 0.75 s, not 1.75 s.
struct Timing {
    const char* name;
    float start;
    float end;
    double precise;
    const char* withPoint;
    const char* withComma;
};

const Timing kTimings[] = {
    {"FortyFiveHundredths", 36.0f, 36.45f, 0.45, "0.45", "0,45"},
    {"HalfSecond", 10.0f, 10.5f, 0.5, "0.5", "0,5"},
    {"NoTimePassed", 100.0f, 100.0f, 0, "0", "0"},
    {"ReadingCutAtTheComma", 0.125f, 0.5f, 0.375, "0.375", "0,38"},
    {"SinglePrecisionStart", 9000.1875f, 9000.5f, 0.3125, "0.311875", "0,32"},
    {"NoTimeAtHalfPastMidnight", 1800.007f, 1800.007f, 0, "0", "0"},
    {"NoTimeAtHalfPastTwo", 9000.1875f, 9000.1875f, 0, "0", "0"},
    {"NoTimeAtTwoFortySix", 9960.003f, 9960.003f, 0, "0", "0"},
    {"HundredthAtHalfPastMidnight", 1800.007f, 1800.017f, 0.01, "0.00996875000011642", "0,01"},
    {"NoFractionFromAMillionHundredths", 10000.1875f, 10000.5f, 0.3125, "0.31", "0,31"},
    {"AcrossMidnight", 86399.5f, 0.25f, 0.75, "0.75", "0,75"},
    {"WholeSecondsAcrossMidnight", 86390.0f, 10.0f, 20, "20", "20"},
    {"HundredthAcrossMidnight", 86399.99f, 0.0f, 0.01, "0.01", "0,01"},
    {"RoundingLateInTheDayIsNoStep", 86340.0078125f, 86340.5f, 0.5, "0.49", "0,49"},
    {"SpringSwitch", 7199.5f, 10801.0f, 1.5, "1.5", "1,5"},
    {"AutumnSwitch", 10799.5f, 7200.25f, 0.75, "0.75", "0,75"},
    {"StepForwardOneSecond", 1000.0f, 1001.72f, 0.72, "0.72", "0,72"},
    {"StepBackOneSecond", 1000.0f, 999.5f, 0.5, "0.5", "0,5"},
    {"StepForwardAtMidnight", 86399.5f, 1.25f, 0.75, "0.75", "0,75"},
    {"PreciseSecondsWrittenAsAReading", 1000.0f, 1100.0f, 0.756, "0.756", "0,75"},
};

class StopwatchTest : public ::testing::TestWithParam<std::tuple<Timing, bool>> {};

TEST_P(StopwatchTest, ShowsTheElapsedSeconds) {
    const auto& [timing, comma] = GetParam();
    const Stopwatch stopwatch = stopwatchReading({timing.start, timing.end}, comma ? "," : ".");
    const float startZeit = stopwatch.startReading();
    EXPECT_EQ(stopwatch.elapsedText(startZeit, timing.precise),
              comma ? timing.withComma : timing.withPoint);
}

INSTANTIATE_TEST_SUITE_P(Stopwatch, StopwatchTest,
                         ::testing::Combine(::testing::ValuesIn(kTimings), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_Comma" : "_Point");
                         });

struct Reading {
    float seconds;
    double withPoint;
    double withComma;
};

class StopwatchReadingTest : public ::testing::TestWithParam<Reading> {};

TEST_P(StopwatchReadingTest, PassesThroughSevenDigitText) {
    EXPECT_EQ(stopwatchReading({GetParam().seconds}, ".").reading(), GetParam().withPoint);
    EXPECT_EQ(stopwatchReading({GetParam().seconds}, ",").reading(), GetParam().withComma);
}

INSTANTIATE_TEST_SUITE_P(Stopwatch, StopwatchReadingTest,
                         ::testing::Values(Reading{0.125f, 12.5, 12},
                                           Reading{9000.1875f, 900018.8, 900018},
                                           Reading{10000.1875f, 1000019, 1000019},
                                           Reading{86399.5f, 8639950, 8639950}));

TEST(StopwatchTest, ScanAcrossMidnightShowsItsTrueTime) {
    ScanState state;
    testing::RecordingFormView view(state);
    view.type(Box::txtEingabe, "717313");
    runFullScan(state, view, stopwatchReading({86399.75f, 0.5f}, ","));
    EXPECT_EQ(view.shows(Box::txtZeitAlle), "0,75");
}

} // namespace
} // namespace faktorlupe
