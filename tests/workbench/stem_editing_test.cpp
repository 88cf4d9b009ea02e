#include "workbench/stem_editing.h"

#include "model/coupon.h"
#include "workbench/recompute.h"
#include "support/stem_digits.h"

#include <gtest/gtest.h>

#include <string>

namespace andel {
namespace {

constexpr int H = 1, U = 2, B = 3;  // stem grid columns

std::string stemText(const WorkbenchState& state) { return maskDigits(stemOf(state).masks); }

WorkbenchState stateWithStem(const char* digits) {
    WorkbenchState state = initialWorkbenchState();
    putStem(state, test::stemFromDigits(digits));
    recomputeSystem(state);
    return state;
}

TEST(StemEditingTest, GridMarksFollowTheMasks) {
    const WorkbenchState state = stateWithStem("123456777777");
    EXPECT_EQ(stemText(state), "123456777777");
    EXPECT_EQ(state.stemGrid.at(H, 3), "");
    EXPECT_EQ(state.stemGrid.at(U, 3), "X");
    EXPECT_EQ(state.stemGrid.at(B, 3), "X");
}

TEST(StemEditingTest, Toggle) {
    struct Case {
        const char* name;
        const char* before;
        int column, row;
        const char* after;
        const char* total;
        const char* perCoupon;
    };
    const Case cases[] = {
        {"removing B from match 5", "446677777777", B, 5, "446667777777", "1.944", "216"},
        {"adding U to a sure match", "446677777777", U, 1, "646677777777", "5.832", "648"},
        {"the only sign of a sure match stays", "446677777777", H, 1, "446677777777", "2.916", "324"},
        {"a half guarded match keeps its other sign", "446677777777", U, 3, "444677777777", "1.458", "162"},
        {"the fourth fully guarded match stays", "444444447777", U, 10, "444444447777", "9", "1"},
        {"a fifth fully guarded match may go", "444444477777", H, 8, "444444437777", "18", "2"},
        {"outside the sign columns", "446677777777", 0, 1, "446677777777", "2.916", "324"},
        {"below the matches", "446677777777", H, 13, "446677777777", "2.916", "324"},
    };
    for (const Case& c : cases) {
        WorkbenchState state = stateWithStem(c.before);
        toggleStemCell(state, c.column, c.row);
        EXPECT_EQ(stemText(state), c.after) << c.name;
        EXPECT_EQ(state.rekkertotalt, c.total) << c.name;
        EXPECT_EQ(state.rowsPerCouponFields[0], c.perCoupon) << c.name;
        EXPECT_EQ(state.couponGrid.at(3, 5), std::string(1, c.after[4])) << c.name;
    }
}

TEST(StemEditingTest, NoMarkOfTheLastFourFullyGuardedMatchesCanBeRemoved) {
    WorkbenchState state = stateWithStem("444444447777");
    for (int row = 9; row <= 12; ++row) {
        for (int column : {H, U, B}) {
            toggleStemCell(state, column, row);
            EXPECT_EQ(stemText(state), "444444447777") << "row " << row << " column " << column;
        }
    }
}

TEST(StemEditingTest, EveryToggleForgetsTheOnlineFile) {
    struct Case {
        int column, row;
    };
    const Case cases[] = {{B, 5}, {U, 1}, {H, 1}};  // removed, added, refused
    for (const Case& c : cases) {
        WorkbenchState state = initialWorkbenchState();
        state.online = OnlineFileStatus{"C:\\NTFILE\\X.NTF", "Dato 07.03.2009", "1234", "finner du her:", true};
        toggleStemCell(state, c.column, c.row);
        EXPECT_EQ(state.online.pathAndName, "");
        EXPECT_EQ(state.online.date, "");
        EXPECT_EQ(state.online.serialNumber, "");
        EXPECT_EQ(state.online.availability, "");
        EXPECT_FALSE(state.online.infoPanelVisible);
    }
}

TEST(StemEditingTest, ResetGuardsEveryMatchFully) {
    WorkbenchState state = initialWorkbenchState();
    resetStemGrid(state);
    EXPECT_EQ(stemText(state), "777777777777");
    EXPECT_EQ(state.rekkertotalt, "59.049");
    // The rows per coupon are shown as the plain number, unlike the totals.
    for (const std::string& rows : state.rowsPerCouponFields) EXPECT_EQ(rows, "6561");
    EXPECT_EQ(state.couponLine, "9  X 6561 rekkers kuponger");
    EXPECT_EQ(state.couponGrid.at(kFirstCouponColumn, kRowsPerCouponRow), "6561");
    EXPECT_EQ(state.panelhele, "12");
    EXPECT_TRUE(state.rowsTooMany);
    EXPECT_FALSE(state.commandsEnabled);
}

TEST(StemEditingTest, DragSwapsStemRowsAndKindTextsWithoutRecomputing) {
    WorkbenchState state = stateWithStem("123456777777");
    const auto before = state.couponGrid;
    startCouponDrag(state, 1);
    moveCouponDrag(state, 2);
    moveCouponDrag(state, 12);  // the dragged match travels with the pointer
    EXPECT_EQ(stemText(state), "273456777771");
    EXPECT_EQ(state.couponGrid.at(1, 12), before.at(1, 1));
    EXPECT_EQ(state.couponGrid.at(1, 1), before.at(1, 2));
    EXPECT_EQ(state.couponGrid.at(1, 2), before.at(1, 12));
    for (int c = 2; c < kCouponGridColumns; ++c) {
        for (int row = 1; row <= kMatches; ++row) EXPECT_EQ(state.couponGrid.at(c, row), before.at(c, row));
    }
    endCouponDrag(state);
    EXPECT_FALSE(state.dragging);

    recomputeSystem(state);
    EXPECT_EQ(state.couponGrid.at(3, 1), "2");
    EXPECT_EQ(state.couponGrid.at(3, 12), "1");
    EXPECT_EQ(state.couponGrid.at(1, 2), "S");  // a 7, but no longer among the four highest
    EXPECT_EQ(state.couponGrid.at(1, 8), "M");
}

TEST(StemEditingTest, MovesOutsideADragChangeNothing) {
    WorkbenchState state = stateWithStem("123456777777");
    moveCouponDrag(state, 5);  // never started
    EXPECT_EQ(stemText(state), "123456777777");

    startCouponDrag(state, 1);
    moveCouponDrag(state, 1);  // still on the same row
    EXPECT_EQ(stemText(state), "123456777777");
    endCouponDrag(state);
    moveCouponDrag(state, 5);  // after the drag ended
    EXPECT_EQ(stemText(state), "123456777777");
}

}  // namespace
}  // namespace andel
