#include "scans/Scans.h"

#include "RecordingFormView.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace faktorlupe {
namespace {

using testing::RecordingFormView;
using testing::stopwatchReading;
using Strings = std::vector<std::string>;

// The final lists of the three rows for one input, worked out by hand.
struct FinalLists {
    const char* name;
    const char* input;
    const char* alle;
    const char* halbe;
    const char* wurzel;
};

const FinalLists kFinalLists[] = {
    {"Preset", "717313", "1 - 71 - 10103 - 717313", "1 - 71 - 10103 - 717313",
     "1 - 71 - 10103 - 717313"},
    {"Twelve", "12", "1 - 2 - 3 - 4 - 6 - 12", "1 - 2 - 3 - 4 - 6 - 12", "1 - 2 - 3 - 4 - 6 - 12"},
    {"SquareOfTwoSquares", "16", "1 - 2 - 4 - 8 - 16", "1 - 2 - 4 - 8 - 16", "1 - 2 - 4 - 8 - 16"},
    {"SquareListsItsRootOnce", "36", "1 - 2 - 3 - 4 - 6 - 9 - 12 - 18 - 36",
     "1 - 2 - 3 - 4 - 6 - 9 - 12 - 18 - 36", "1 - 2 - 3 - 4 - 6 - 9 - 12 - 18 - 36"},
    {"Prime", "7", "1 - 7", "1 - 7", "1 - 7"},
    {"Two", "2", "1 - 2", "1 - 2", "1 - 2"},
    {"Three", "3", "1 - 3", "1 - 3", "1 - 3"},
    {"One", "1", "1", "1 - 1", "1 - 1"},
    {"Zero", "0", "1", "1 - 0", "1 - 0"},
    {"NoNumber", "abc", "1", "1 - 0", "1 - 0"},
    {"TrailingLetters", " 12abc", "1 - 2 - 3 - 4 - 6 - 12", "1 - 2 - 3 - 4 - 6 - 12",
     "1 - 2 - 3 - 4 - 6 - 12"},
    {"HalfRoundsToEvenTwo", "2.5", "1 - 2", "1 - 2", "1 - 2"},
    {"HalfRoundsToEvenFour", "3.5", "1 - 2 - 4", "1 - 2 - 4", "1 - 2 - 4"},
};

class FinalListTest : public ::testing::TestWithParam<FinalLists> {};

TEST_P(FinalListTest, EveryRowShowsItsDivisorList) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, GetParam().input);
    const Stopwatch stopwatch = stopwatchReading({1.0f});
    runFullScan(state, view, stopwatch);
    runHalfScan(state, view, stopwatch);
    runRootScan(state, view, stopwatch);
    EXPECT_EQ(view.shows(Box::txtAlle), GetParam().alle);
    EXPECT_EQ(view.shows(Box::txtHalbe), GetParam().halbe);
    EXPECT_EQ(view.shows(Box::txtWurzel), GetParam().wurzel);
    EXPECT_EQ(view.shows(Box::txtEingabe), GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(Scans, FinalListTest, ::testing::ValuesIn(kFinalLists),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FullScanTest, FollowsTheRunSequence) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, "12");
    runFullScan(state, view, stopwatchReading({10.0f, 10.5f}));
    EXPECT_EQ(view.log, (Strings{"get txtEingabe", "yield", "set txtAlle=1", "get txtAlle",
                                 "set txtAlle=1 - 2", "get txtAlle", "set txtAlle=1 - 2 - 3",
                                 "get txtAlle", "set txtAlle=1 - 2 - 3 - 4", "get txtAlle",
                                 "set txtAlle=1 - 2 - 3 - 4 - 6", "get txtAlle",
                                 "set txtAlle=1 - 2 - 3 - 4 - 6 - 12", "set txtZeitAlle=0.5"}));
    // kandidat holds each divisor while it is written, and ends one past the bound.
    EXPECT_EQ(view.kandidatAtWrites, (std::vector<double>{0, 2, 3, 4, 6, 12, 13}));
    EXPECT_EQ(state.kandidat, 13);
    EXPECT_EQ(state.zahl, 12);
    EXPECT_EQ(state.startZeit, 1000.0f);
}

TEST(HalfScanTest, FollowsTheRunSequenceWithItsClosingEntry) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, "7");
    runHalfScan(state, view, stopwatchReading({10.0f, 10.25f}, ","));
    EXPECT_EQ(view.log, (Strings{"get txtEingabe", "yield", "set txtHalbe=1", "get txtHalbe",
                                 "set txtHalbe=1 - 7", "set txtZeitHalbe=0,25"}));
    // Half of 7 is 3.5: the candidates are 2 and 3.
    EXPECT_EQ(state.kandidat, 4);
}

TEST(HalfScanTest, NegativeNumberClosesWithItsOwnSign) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, "-6");
    runFullScan(state, view, stopwatchReading({1.0f}));
    runHalfScan(state, view, stopwatchReading({1.0f}));
    EXPECT_EQ(view.shows(Box::txtAlle), "1");
    EXPECT_EQ(view.shows(Box::txtHalbe), "1 --6");
}

TEST(HalfScanTest, TwoMakesNoPassAndStillCloses) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, "2");
    runHalfScan(state, view, stopwatchReading({1.0f}));
    EXPECT_EQ(view.writesTo(Box::txtHalbe), (Strings{"1", "1 - 2"}));
    EXPECT_EQ(state.kandidat, 2);
}

struct PartialLists {
    const char* input;
    Strings writes;
    double lastKandidat;
};

class RootScanPartialTest : public ::testing::TestWithParam<PartialLists> {};

TEST_P(RootScanPartialTest, WritesEveryPartialListThenTheWholeList) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, GetParam().input);
    runRootScan(state, view, stopwatchReading({1.0f}));
    EXPECT_EQ(view.writesTo(Box::txtWurzel), GetParam().writes);
    EXPECT_EQ(state.kandidat, GetParam().lastKandidat);
}

INSTANTIATE_TEST_SUITE_P(
    Scans, RootScanPartialTest,
    ::testing::Values(
        // The root of 717313 is 846.9: candidates 2 to 846.
        PartialLists{"717313", {" 71 - 10103 -", "1 - 71 - 10103 - 717313"}, 847},
        PartialLists{"12", {" 2 - 6 -", " 2 - 3 - 4 - 6 -", "1 - 2 - 3 - 4 - 6 - 12"}, 4},
        PartialLists{"36",
                     {" 2 - 18 -", " 2 - 3 - 12 - 18 -", " 2 - 3 - 4 - 9 - 12 - 18 -",
                      " 2 - 3 - 4 - 6 - 9 - 12 - 18 -", "1 - 2 - 3 - 4 - 6 - 9 - 12 - 18 - 36"},
                     7},
        PartialLists{"7", {"1 - 7"}, 3}, PartialLists{"3", {"1 - 3"}, 2},
        PartialLists{"1", {"1 - 1"}, 2}));

TEST(RootScanTest, EmptiesItsListsBeforeTheYieldAndKeepsThemAfter) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, "12");
    runRootScan(state, view, stopwatchReading({1.0f}));
    view.type(Box::txtEingabe, "717313");
    view.onYield = [&] {
        EXPECT_EQ(state.listeLinks, "");
        EXPECT_EQ(state.listeRechts, "");
    };
    runRootScan(state, view, stopwatchReading({1.0f}));
    EXPECT_EQ(state.listeLinks, " 71 -");
    EXPECT_EQ(state.listeRechts, " 10103 -");
}

TEST(RootScanTest, KeepsTheBoxUntilItsFirstWrite) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtWurzel, "typed by the user");
    view.type(Box::txtEingabe, "7");
    runRootScan(state, view, stopwatchReading({1.0f}));
    EXPECT_EQ(view.log,
              (Strings{"get txtEingabe", "yield", "set txtWurzel=1 - 7", "set txtZeitWurzel=0"}));
}

// Each scan, by the rows it writes and the boxes it must leave alone.
struct ScanRow {
    const char* name;
    ScanFigures (*run)(ScanState&, FormView&, const Stopwatch&);
    Box result;
    Box time;
};

const ScanRow kScanRows[] = {
    {"Full", runFullScan, Box::txtAlle, Box::txtZeitAlle},
    {"Half", runHalfScan, Box::txtHalbe, Box::txtZeitHalbe},
    {"Root", runRootScan, Box::txtWurzel, Box::txtZeitWurzel},
};

class EveryScanTest : public ::testing::TestWithParam<ScanRow> {};

TEST_P(EveryScanTest, ReadsTheInputOnceAndWritesOnlyItsOwnRow) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, "2095133040");
    GetParam().run(state, view, stopwatchReading({5.0f, 5.5f}));
    int inputReads = 0;
    int yields = 0;
    for (const auto& entry : view.log) {
        inputReads += entry == "get txtEingabe";
        yields += entry == "yield";
        if (entry.rfind("set ", 0) == 0) {
            const std::string box = entry.substr(4, entry.find('=') - 4);
            EXPECT_TRUE(box == boxName(GetParam().result) || box == boxName(GetParam().time))
                << entry;
        }
    }
    EXPECT_EQ(inputReads, 1);
    EXPECT_EQ(yields, 1);
    EXPECT_EQ(view.log.front(), "get txtEingabe");
    EXPECT_EQ(view.shows(GetParam().time), "0.5");
}

TEST_P(EveryScanTest, PressedAgainStartsOver) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, "12");
    GetParam().run(state, view, stopwatchReading({1.0f}));
    view.type(GetParam().time, "typed");
    GetParam().run(state, view, stopwatchReading({1.0f}));
    EXPECT_EQ(view.shows(GetParam().result), "1 - 2 - 3 - 4 - 6 - 12");
    EXPECT_EQ(view.shows(GetParam().time), "0");
}

TEST_P(EveryScanTest, OverflowingInputWritesNothing) {
    for (const char* input : {"2147483648", "-2147483649", "1e10"}) {
        ScanState state;
        RecordingFormView view(state);
        view.type(Box::txtEingabe, input);
        try {
            GetParam().run(state, view, stopwatchReading({1.0f}));
            ADD_FAILURE() << input << " was accepted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), ErrorNumber::Overflow);
        }
        EXPECT_EQ(view.log, Strings{"get txtEingabe"}) << input;
    }
}

INSTANTIATE_TEST_SUITE_P(Scans, EveryScanTest, ::testing::ValuesIn(kScanRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RootScanTest, NegativeInputRaisesInvalidArgumentBeforeAnyWrite) {
    ScanState state;
    RecordingFormView view(state);
    view.type(Box::txtEingabe, "12");
    runRootScan(state, view, stopwatchReading({1.0f}));
    view.log.clear();
    view.type(Box::txtEingabe, "-6");
    try {
        runRootScan(state, view, stopwatchReading({1.0f}));
        ADD_FAILURE() << "-6 was accepted";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::InvalidArgument);
    }
    EXPECT_EQ(view.log, (Strings{"get txtEingabe", "yield"}));
    EXPECT_EQ(state.listeLinks, "");
    EXPECT_EQ(state.listeRechts, "");
    EXPECT_EQ(view.shows(Box::txtWurzel), "1 - 2 - 3 - 4 - 6 - 12");
}

TEST(FullScanTest, ContinuesWhateverTheBoxHolds) {
    // The box is the list's only store: what it holds when a divisor is found is what the
    // divisor is appended to.
    struct EditingView final : MemoryFormView {
        std::string text(Box box) override {
            std::string t = MemoryFormView::text(box);
            return box == Box::txtAlle && t == "1 - 2" ? "1 - 2 edited" : t;
        }
    } view;
    ScanState state;
    view.setText(Box::txtEingabe, "6");
    runFullScan(state, view, stopwatchReading({1.0f}));
    EXPECT_EQ(view.text(Box::txtAlle), "1 - 2 edited - 3 - 6");
}

} // namespace
} // namespace faktorlupe
