#include "workbench/prize_counting.h"

#include "model/text.h"
#include "results/pools_history.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"
#include "workbench/recompute.h"
#include "workbench/selectors.h"
#include "workbench/stem_editing.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

class PrizeCountingTest : public ::testing::Test {
protected:
    PrizeCountingTest() : state(initialWorkbenchState()) {
        fillGameWeeks(state, 2026);
        state.ukecombobox = static_cast<int>(std::find(state.ukecomboboxItems.begin(), state.ukecomboboxItems.end(),
                                                       " UKE 05 -2026") - state.ukecomboboxItems.begin());
    }
    // The history of Saturday's ordinary rounds (lp.txt: half-time rounds) with one line
    // for week 5 of 2026.
    void writeHistory(const std::string& result, int prize12, int prize11, int prize10,
                      const char* file = "tippehistorikk/lf.txt") {
        StatisticsRecord line;
        line.year = 2026;
        line.week = 5;
        line.resultText = result;
        line.prize12 = prize12;
        line.prize11 = prize11;
        line.prize10 = prize10;
        dir.write(file, formatHistoryLine(line) + "\r\n");
    }
    // The panel opened on the history as it stands, then closed again.
    void openAndClose() {
        togglePrizePanel(state, workspace, messages);
        togglePrizePanel(state, workspace, messages);
    }
    std::string resultRow(int row) const {
        return state.testgrid.at(1, row) + "|" + state.testgrid.at(2, row) + "|" + state.testgrid.at(3, row);
    }

    test::TempDir dir;
    Workspace workspace{dir.path()};
    test::RecordingMessages messages;
    WorkbenchState state;
};

TEST_F(PrizeCountingTest, NothingIsFetchedOrCountedWhileThePanelIsClosed) {
    writeHistory("1X21X21X21X2", 0, 150000, 2500);
    fetchRoundResult(state, workspace, messages);
    recountPrizes(state);
    EXPECT_EQ(resultRow(1), "||");
    EXPECT_EQ(state.pr12, "-");
    EXPECT_EQ(state.premie11, "0");
}

TEST_F(PrizeCountingTest, OpeningFetchesTheRoundAndCountsTheCoupons) {
    writeHistory("1X21X21X21X2", 0, 150000, 2500);
    togglePrizePanel(state, workspace, messages);
    ASSERT_TRUE(state.prizePanelOpen);
    EXPECT_EQ(resultRow(1), "X||");
    EXPECT_EQ(resultRow(2), "|X|");
    EXPECT_EQ(resultRow(3), "||X");
    EXPECT_EQ(state.premie12, "Jacpot");
    EXPECT_EQ(state.premie11, "150.000");
    EXPECT_EQ(state.premie10, "2.500");
    // Default stem 446677777777: the result's X on match 2 and 2 on match 3 miss the
    // stem and the reduced matches reach 3 of 4 at best, so the best rows have 9 right,
    // nothing pays, and the two missed matches carry "+" marks.
    EXPECT_EQ(state.pr12, "-");
    EXPECT_EQ(state.pr11, "-");
    EXPECT_EQ(state.pr10, "-");
    EXPECT_NE(state.prizeDetails[9], "-");
    EXPECT_EQ(state.prizeDetails[10], "-");
    EXPECT_EQ(state.wrongSigns[1], kHome);
    EXPECT_EQ(state.wrongSigns[2], kHome | kDraw);
    EXPECT_EQ(state.premietotalt, "0");
    EXPECT_EQ(state.premieprandel, "0");
    EXPECT_TRUE(messages.shown.empty());

    togglePrizePanel(state, workspace, messages);
    EXPECT_FALSE(state.prizePanelOpen);
    EXPECT_EQ(state.premie11, "150.000");  // closing leaves the last figures
}

TEST_F(PrizeCountingTest, ClickingAResultCellMarksItAloneAndRecounts) {
    writeHistory("111111111111", 0, 150000, 2500);
    togglePrizePanel(state, workspace, messages);
    EXPECT_EQ(state.pr12, "1");  // the guarantee: exactly one row has all 12
    clickResultCell(state, 2, 1);  // match 1: U in place of H
    EXPECT_EQ(resultRow(1), "|X|");
    EXPECT_EQ(state.pr12, "-");
    EXPECT_EQ(state.pr11, "1");
    EXPECT_EQ(state.wrongSigns[0], kHome);
}

TEST_F(PrizeCountingTest, EveryChangeRecountsWhileOpen) {
    writeHistory("1X21X21X21X2", 0, 150000, 2500);
    togglePrizePanel(state, workspace, messages);
    toggleStemCell(state, 2, 2);  // X added to match 2
    EXPECT_NE(state.pr10, "-");
    toggleStemCell(state, 3, 3);  // 2 added to match 3
    EXPECT_NE(state.pr11, "-");
    const std::string total = state.premietotalt;
    chooseShares(state, 0);  // one share: the whole total per share
    EXPECT_EQ(state.premieprandel, total);
}

TEST_F(PrizeCountingTest, ARoundWithoutResultClearsTheGridAndShowsDashes) {
    writeHistory("1X21X21X21X2", 0, 150000, 2500);
    togglePrizePanel(state, workspace, messages);
    chooseGameWeek(state, state.ukecombobox + 1, RoundRefresh{[&](WorkbenchState& s, const GameWeek&, CouponType) {
                                                                  fetchRoundResult(s, workspace, messages);
                                                              },
                                                              recountPrizes});
    EXPECT_EQ(resultRow(1), "||");
    EXPECT_EQ(state.premie12, "-");
    EXPECT_EQ(state.premietotalt, "0");
}

// BEGGE plays its rows on both results: the half time's prize is counted on the half-time
// history's result just as the full time's is counted on the ordinary history's.
TEST_F(PrizeCountingTest, BeggeCountsTheHalfTimeOnItsOwnResultBesideTheFullTime) {
    // What the coupons win on each result, counted as an ordinary round.
    writeHistory("111111111112", 1000000, 150000, 2500);
    openAndClose();
    const std::string halfTimeAlone = state.premietotalt;
    writeHistory("111111111111", 1000000, 150000, 2500);
    openAndClose();
    const std::string fullTimeAlone = state.premietotalt;
    ASSERT_NE(halfTimeAlone, "0");
    ASSERT_NE(halfTimeAlone, fullTimeAlone);
    EXPECT_EQ(state.premiepause, "");

    writeHistory("111111111112", 1000000, 150000, 2500, "tippehistorikk/lp.txt");
    chooseTimeBasis(state, static_cast<int>(TimeBasis::Both), RoundRefresh{});
    togglePrizePanel(state, workspace, messages);
    EXPECT_EQ(state.premietotalt, fullTimeAlone);
    EXPECT_EQ(state.premiepause, halfTimeAlone);
    EXPECT_TRUE(messages.shown.empty());
    // A hand-marked full-time result moves the full time's figures only.
    clickResultCell(state, 2, 1);
    EXPECT_NE(state.premietotalt, fullTimeAlone);
    EXPECT_EQ(state.premiepause, halfTimeAlone);
}

// Without a half-time result BEGGE shows "-" for it; the other time bases neither read the
// half-time history nor show a half-time prize.
TEST_F(PrizeCountingTest, OnlyBeggeReadsTheHalfTimeHistory) {
    writeHistory("111111111111", 1000000, 150000, 2500);
    writeHistory("111111111111", 1000000, 150000, 2500, "tippehistorikk/sp.txt");  // another day's half time
    const struct {
        TimeBasis basis;
        std::string pause;
        bool told;  // the missing lp.txt is reported
    } cases[] = {{TimeBasis::Ordinary, "", false}, {TimeBasis::Both, "-", true}};
    for (const auto& c : cases) {
        messages.shown.clear();
        state.prizePanelOpen = false;
        chooseTimeBasis(state, static_cast<int>(c.basis), RoundRefresh{});
        togglePrizePanel(state, workspace, messages);
        EXPECT_EQ(state.premiepause, c.pause);
        EXPECT_EQ(state.premietotalt, "2.602.500");
        EXPECT_EQ(!messages.shown.empty(), c.told);
    }
}

}  // namespace
}  // namespace andel
