#include "model/stem_analysis.h"

#include "support/stem_digits.h"

#include <gtest/gtest.h>

#include <string>

namespace andel {
namespace {

std::string kindsOf(const StemAnalysis& analysis) { return std::string(analysis.kind.begin(), analysis.kind.end()); }

std::string positionsOf(const StemAnalysis& analysis) {
    std::string text;
    for (int m = 0; m < kMatches; ++m) text += (m > 0 ? " " : "") + std::to_string(analysis.position[m]);
    return text;
}

TEST(StemAnalysisTest, ReducesTheFourHighestFullyGuardedMatches) {
    struct Case {
        const char* stem;
        const char* kinds;
        const char* positions;
    };
    const Case cases[] = {
        {"446677777777", "SSSSSSSSMMMM", "5 6 7 8 9 10 11 12 1 2 3 4"},
        {"777777777777", "SSSSSSSSMMMM", "5 6 7 8 9 10 11 12 1 2 3 4"},
        {"747474744444", "MSMSMSMSSSSS", "1 5 2 6 3 7 4 8 9 10 11 12"},
        // seven fully guarded: 4, 5, 6 and 12 are reduced, 1 to 3 are played whole
        {"777777444447", "SSSMMMSSSSSM", "5 6 7 1 2 3 8 9 10 11 12 4"},
        // half guarded matches are never reduced
        {"667766776677", "SSSSSSMMSSMM", "5 6 7 8 9 10 1 2 11 12 3 4"},
    };
    for (const Case& c : cases) {
        const StemAnalysis analysis = analyseStem(test::stemFromDigits(c.stem));
        EXPECT_EQ(kindsOf(analysis), c.kinds) << c.stem;
        EXPECT_EQ(positionsOf(analysis), c.positions) << c.stem;
    }
}

TEST(StemAnalysisTest, WorkingFieldsMarkTheReducedMatches) {
    const StemAnalysis analysis = analyseStem(test::stemFromDigits("777777444447"));
    for (int m = 0; m < kMatches; ++m) {
        const bool reduced = analysis.kind[m] == 'M';
        EXPECT_EQ(analysis.mask[m], test::stemFromDigits("777777444447").masks[m]);
        EXPECT_EQ(analysis.workingMask[m], reduced ? 8 : analysis.mask[m]) << "match " << m + 1;
        EXPECT_EQ(analysis.placed[m], reduced ? 8 : 0) << "match " << m + 1;
        EXPECT_EQ(analysis.savedPlaced[m], analysis.placed[m]);
        EXPECT_EQ(analysis.spare1[m], 0);
        EXPECT_EQ(analysis.spare2[m], 0);
    }
}

}  // namespace
}  // namespace andel
