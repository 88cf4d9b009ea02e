#include "workbench/selectors.h"
#include "workbench/syndicate_change.h"

#include "support/temp_dir.h"
#include "workbench/recompute.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

WorkbenchState stateWithWeeks() {
    WorkbenchState state = initialWorkbenchState();
    fillGameWeeks(state, 2026);
    state.online.pathAndName = "C:\\NTFILE\\KRYSSEN_2.916_Rekker_KARI.NTF";
    state.online.serialNumber = "1234";
    return state;
}

TEST(SelectorsTest, ArrowsStopAtTheEndsOfTheLists) {
    WorkbenchState state = stateWithWeeks();
    const RoundRefresh none;
    stepSelector(state, Selector::GameWeek, -1, none);
    EXPECT_EQ(state.ukecombobox, 0);
    EXPECT_EQ(gameWeekTextOf(state), " UKE 53 -2027");
    stepSelector(state, Selector::GameWeek, 1, none);
    EXPECT_EQ(gameWeekTextOf(state), " UKE 52 -2027");
    EXPECT_EQ(state.previewWeek, " UKE 52 -2027");
    state.ukecombobox = static_cast<int>(state.ukecomboboxItems.size()) - 1;
    stepSelector(state, Selector::GameWeek, 1, none);
    EXPECT_EQ(gameWeekTextOf(state), " UKE 01 -1995");
    for (int i = 0; i < 5; ++i) stepSelector(state, Selector::TimeBasis, 1, none);
    EXPECT_EQ(state.pauseordiner, 2);
    for (int i = 0; i < 5; ++i) stepSelector(state, Selector::CouponType, -1, none);
    EXPECT_EQ(state.kupongtype, 0);
}

// The coupon-type arrows change the syndicate as the list does: the row price follows the
// type, the price is recomputed and the online file is forgotten.
TEST(SelectorsTest, CouponTypeArrowsSwitchPriceAndForgetTheOnlineFileAsTheListDoes) {
    WorkbenchState state = stateWithWeeks();
    state.comborekkepris = {"  1", "  2"};
    const RoundRefresh none;
    changeSyndicate(state, [&](WorkbenchState& s) { stepSelector(s, Selector::CouponType, 1, none); });
    EXPECT_TRUE(state.online.serialNumber.empty());
    EXPECT_EQ(state.comborekkeprisIndex, 0);
    changeSyndicate(state, [&](WorkbenchState& s) { stepSelector(s, Selector::CouponType, 1, none); });
    EXPECT_EQ(state.kupongtype, 2);
    EXPECT_EQ(state.previewCouponType, "MIDTUKE");
    EXPECT_EQ(state.comborekkeprisIndex, 1);
    EXPECT_EQ(state.panelinnsatstotalt, "5.832");
    EXPECT_EQ(state.vistippeomgang, "MIDTUKE " + gameWeekTextOf(state));

    WorkbenchState listed = stateWithWeeks();
    listed.comborekkepris = {"  1", "  2"};
    chooseCouponType(listed, 2, none);
    EXPECT_EQ(listed.comborekkeprisIndex, state.comborekkeprisIndex);
    EXPECT_EQ(listed.panelinnsatstotalt, state.panelinnsatstotalt);
    EXPECT_TRUE(listed.online.pathAndName.empty());
}

// A step that changes nothing of the syndicate keeps the online file.
TEST(SelectorsTest, WeekArrowsKeepTheOnlineFile) {
    WorkbenchState state = stateWithWeeks();
    changeSyndicate(state, [](WorkbenchState& s) { stepSelector(s, Selector::GameWeek, 1, RoundRefresh{}); });
    EXPECT_EQ(state.online.serialNumber, "1234");
}

TEST(SelectorsTest, WeekChoiceKeepsTheOnlineFileBasisChoiceForgetsIt) {
    WorkbenchState state = stateWithWeeks();
    int loads = 0, recounts = 0;
    GameWeek loaded;
    const RoundRefresh refresh{[&](WorkbenchState&, const GameWeek& week, CouponType) { ++loads, loaded = week; },
                               [&](WorkbenchState&) { ++recounts; }};
    chooseGameWeek(state, 3, refresh);
    EXPECT_EQ(loaded, (GameWeek{50, 2027, ""}));
    EXPECT_EQ(state.previewWeek, " UKE 50 -2027");
    EXPECT_EQ(state.online.serialNumber, "1234");

    chooseTimeBasis(state, 2, refresh);
    EXPECT_TRUE(state.online.pathAndName.empty());
    EXPECT_EQ(state.previewTimeBasis, "BEGGE");
    EXPECT_EQ(state.panelinnsatstotalt, "5.832");
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(recounts, 2);

    stepSelector(state, Selector::TimeBasis, -1, refresh);  // arrows reprice too
    EXPECT_EQ(state.panelinnsatstotalt, "2.916");
}

TEST(SelectorsTest, TodaysWeekIsSelectedOrInsertedInItsPlace) {
    test::TempDir dir;
    const Workspace workspace(dir.path());
    WorkbenchState state = stateWithWeeks();
    setTodaysGameWeek(state, GameWeek{50, 2026, ""}, workspace, {});
    EXPECT_EQ(gameWeekTextOf(state), " UKE 50 -2026");
    EXPECT_EQ(state.vistippeomgang, "LØRDAG  UKE 50 -2026");

    // Week 53 of 2010 is not in the list: it goes in between week 1 of 2011 and week 52 of 2010.
    const std::size_t count = state.ukecomboboxItems.size();
    setTodaysGameWeek(state, GameWeek{53, 2010, ""}, workspace, {});
    ASSERT_EQ(state.ukecomboboxItems.size(), count + 1);
    EXPECT_EQ(gameWeekTextOf(state), " UKE 53 -2010");
    EXPECT_EQ(state.ukecomboboxItems[state.ukecombobox - 1], " UKE 01 -2011");
    EXPECT_EQ(state.ukecomboboxItems[state.ukecombobox + 1], " UKE 52 -2010");
    EXPECT_FALSE(std::filesystem::exists(dir.file("noddsuke.tmp")));
}

TEST(SelectorsTest, PreviewTogglesAndSplitsTheOnlineFile) {
    WorkbenchState state = stateWithWeeks();
    state.commandPanelVisible = true;
    togglePreview(state);
    EXPECT_TRUE(state.previewVisible);
    EXPECT_FALSE(state.commandPanelVisible);
    EXPECT_EQ(state.previewDirectory, "C:\\NTFILE");
    EXPECT_EQ(state.previewFileName, "KRYSSEN_2.916_Rekker_KARI.NTF");
    forgetOnlineFile(state);
    togglePreview(state);
    EXPECT_FALSE(state.previewVisible);
    EXPECT_EQ(state.previewDirectory, "UKJENT");
    EXPECT_EQ(state.previewFileName, "IKKE LAGET");
}

TEST(SelectorsTest, UnparsableWeekTextRefreshesAsWeekZeroOf1999) {
    WorkbenchState state = stateWithWeeks();
    state.ukecomboboxItems[0] = "junk";
    GameWeek loaded{1, 1, ""};
    refreshGameWeek(state, RoundRefresh{[&](WorkbenchState&, const GameWeek& week, CouponType) { loaded = week; }, {}});
    EXPECT_EQ(loaded, (GameWeek{0, 1999, ""}));
}

}  // namespace
}  // namespace andel
