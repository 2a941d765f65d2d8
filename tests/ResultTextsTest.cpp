#include "scans/ResultTexts.h"

#include <gtest/gtest.h>
#include <string>

namespace faktorlupe {
namespace {

struct SpokenList {
    const char* name;
    const char* box;
    const char* spoken;
};

// A result box read aloud: the dashes between the divisors become commas and a closing "und".
const SpokenList kSpokenLists[] = {
    {"FourDivisors", "1 - 71 - 10103 - 717313", "1, 71, 10103 und 717313"},
    {"Two", "1 - 97", "1 und 97"},
    {"HalfScanOfOneListsItTwice", "1 - 1", "1 und 1"},
    {"NegativeNumberKeepsItsSign", "1 --6", "1 und -6"},
    {"RootScansOpenList", "1 - 2 - 3 -", "1, 2 und 3"},
    {"OneEntry", "1", "1"},
    {"Empty", "", ""},
};

class SpokenListTest : public ::testing::TestWithParam<SpokenList> {};

TEST_P(SpokenListTest, ReadsNaturally) {
    EXPECT_EQ(spokenDivisorList(GetParam().box), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(ResultTexts, SpokenListTest, ::testing::ValuesIn(kSpokenLists),
                         [](const auto& info) { return std::string(info.param.name); });

struct SpokenTime {
    const char* name;
    double seconds;
    const char* separator;
    const char* spoken;
};

// The unit in words, singular for exactly one.
const SpokenTime kSpokenTimes[] = {
    {"Microseconds", 1.23e-6, ",", "1,23 Mikrosekunden"},
    {"OneMillisecond", 0.00099996, ",", "1 Millisekunde"},
    {"Milliseconds", 0.0031, ".", "3.1 Millisekunden"},
    {"Nanoseconds", 4.47e-7, ",", "447 Nanosekunden"},
    {"Seconds", 0.62, ",", "0,62 Sekunden"},
    {"OneSecond", 1, ",", "1 Sekunde"},
    {"None", 0, ",", "0 Sekunden"},
};

class SpokenTimeTest : public ::testing::TestWithParam<SpokenTime> {};

TEST_P(SpokenTimeTest, NamesTheUnitInWords) {
    EXPECT_EQ(spokenDuration(GetParam().seconds, GetParam().separator), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(ResultTexts, SpokenTimeTest, ::testing::ValuesIn(kSpokenTimes),
                         [](const auto& info) { return std::string(info.param.name); });

struct Announcement {
    const char* name;
    std::int64_t divisors;
    const char* box;
    const char* timeBox;
    double seconds;
    const char* spoken;
};

// Up to ten divisors are read out; a longer list only by its count.
const Announcement kAnnouncements[] = {
    {"Prime", 2, "1 - 97", "0", 1.2e-6, "2 Teiler: 1 und 97, 0 Sekunden, genau 1,2 Mikrosekunden"},
    {"TenAreReadOut", 10, "1 - 2 - 3 - 4 - 6 - 8 - 12 - 16 - 24 - 48", "0,01", 0.0123,
     "10 Teiler: 1, 2, 3, 4, 6, 8, 12, 16, 24 und 48, 0,01 Sekunden, genau 12,3 Millisekunden"},
    {"ElevenAreCounted", 12, "1 - 2 - 3 - 4 - 5 - 6 - 10 - 12 - 15 - 20 - 30 - 60", "1", 1.04,
     "12 Teiler, 1 Sekunde, genau 1,04 Sekunden"},
    {"EmptyBox", 0, "", "0", 0, "0 Teiler, 0 Sekunden, genau 0 Sekunden"},
};

class AnnouncementTest : public ::testing::TestWithParam<Announcement> {};

TEST_P(AnnouncementTest, TellsDivisorsAndTimes) {
    const Announcement& a = GetParam();
    EXPECT_EQ(spokenResult(a.divisors, a.box, a.timeBox, a.seconds, ","), a.spoken);
}

INSTANTIATE_TEST_SUITE_P(ResultTexts, AnnouncementTest, ::testing::ValuesIn(kAnnouncements),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ResultTextsTest, FiguresForSpeechUseCommasAndWords) {
    EXPECT_EQ(spokenFigures(0.000219, 717312, 4, ","),
              "genau 219 Mikrosekunden, 717312 Kandidaten, 4 Teiler");
    EXPECT_EQ(spokenFigures(2.5e-8, 1, 1, "."), "genau 25 Nanosekunden, 1 Kandidat, 1 Teiler");
}

TEST(ResultTextsTest, StatusLineNamesRowNumberAndFigures) {
    EXPECT_EQ(statusLineText("Algorithmus >alle<", 717313, 0.00241, 717312, 4, ","),
              "Algorithmus >alle< mit 717313: 2,41\u00A0ms · 717312 Kandidaten · 4 Teiler");
    EXPECT_EQ(statusLineText("Algorithmus >Hälfte<", -6, 0, 1, 2, "."),
              "Algorithmus >Hälfte< mit -6: 0\u00A0s · 1 Kandidat · 2 Teiler");
}

TEST(ResultTextsTest, StatusLineForSpeechHasNoDotsNorUnitSymbols) {
    EXPECT_EQ(spokenStatusLine("Algorithmus alle", 717313, 0.00241, 717312, 4, ","),
              "Algorithmus alle mit 717313: genau 2,41 Millisekunden, 717312 Kandidaten, 4 Teiler");
}

} // namespace
} // namespace faktorlupe
