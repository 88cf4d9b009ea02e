#include "accounts/share_lookup.h"

#include "books/books_fixture.h"
#include "model/share_code.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

class ShareLookupTest : public BooksTest {
protected:
    // Syndicate 1042 of week 50 with share 1 sold and paid, share 2 sold and unpaid, share 3 unsold.
    void SetUp() override {
        open(pricedSyndicate("1042", 3, 100));
        sell("1042", 1, "Kari Nordmann", "91234567");
        sell("1042", 2, "Ola Hansen");
        ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    }
    std::string code(int share, GameWeek week = {50, 2026, {}}) { return shareCodeText("1042", share, week); }
    std::map<std::string, Fields> facts(const FoundShare& found) {
        std::map<std::string, Fields> byKey;
        for (const Fields& line : shareFactLines(found)) byKey[line.front()] = Fields(line.begin() + 1, line.end());
        return byKey;
    }
};

TEST_F(ShareLookupTest, ACodeFindsItsShareAndTheNextStep) {
    const ShareLookup paid = lookUpShare(workspace, code(1));
    ASSERT_TRUE(paid.found) << paid.message;
    EXPECT_EQ(paid.message, "");
    auto f = facts(*paid.found);
    EXPECT_EQ(f["buyer"], (Fields{"Kari Nordmann", "91234567", ""}));
    EXPECT_EQ(f["paid"], (Fields{"100", "11.12.2026"}));
    EXPECT_EQ(f["state"], Fields{"open"});
    EXPECT_EQ(f["next"], Fields{"none"});  // paid, and no confirmed result yet

    const ShareLookup unpaid = lookUpShare(workspace, spacedShareCodeText(code(2)));
    ASSERT_TRUE(unpaid.found);
    EXPECT_EQ(nextShareStep(*unpaid.found), ShareStep::Pay);
    const ShareLookup unsold = lookUpShare(workspace, code(3));
    ASSERT_TRUE(unsold.found);
    EXPECT_EQ(nextShareStep(*unsold.found), ShareStep::None);

    // Once the result is confirmed the paid share's winnings are next, then nothing.
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1042", resultWith(300)), "");
    ShareLookup winner = lookUpShare(workspace, code(1));
    EXPECT_EQ(nextShareStep(*winner.found), ShareStep::PayOut);
    EXPECT_EQ(facts(*winner.found)["winnings"], (Fields{"100", "confirmed"}));
    ASSERT_EQ(payoutInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    winner = lookUpShare(workspace, code(1));
    EXPECT_EQ(nextShareStep(*winner.found), ShareStep::None);
    EXPECT_EQ(facts(*winner.found)["paid-out"], (Fields{"100", "11.12.2026"}));
    EXPECT_EQ(facts(*winner.found)["state"], Fields{"final"});
}

TEST_F(ShareLookupTest, UnknownMistypedAndForeignCodesAreRefusedWithAReason) {
    std::string typo = code(1);
    typo[6] = typo[6] == '0' ? '1' : '0';  // the share's first digit
    const struct {
        std::string text, says;
    } cases[] = {
        {"hansen", "\"hansen\" er ikke en andelskode"},
        {shareCodeText("9999", 1, {50, 2026, {}}), "serienummer 9999 har ikke noe andelsregnskap"},
        {typo, "kontrollsifrene passer ikke"},
        {code(1, {49, 2026, {}}), "kontrollsifrene passer ikke"},
        {code(4), "Andelslaget 1042 har 3 andeler: andel 4 finnes ikke."},
    };
    for (const auto& c : cases) {
        const ShareLookup lookup = lookUpShare(workspace, c.text);
        EXPECT_FALSE(lookup.found) << c.text;
        EXPECT_NE(lookup.message.find(c.says), std::string::npos) << c.text << ": " << lookup.message;
    }
}

TEST_F(ShareLookupTest, TheCheckDigitsChooseTheWeekOfARepeatedSerialNumber) {
    open(pricedSyndicate("1042", 5, 50, {2, 2027, {}}));  // the number came round again
    const ShareLookup older = lookUpShare(workspace, code(1));
    ASSERT_TRUE(older.found);
    EXPECT_EQ(older.found->ledger.facts.week.week, 50);
    EXPECT_EQ(older.found->entry().name, "Kari Nordmann");
    const ShareLookup newer = lookUpShare(workspace, code(5, {2, 2027, {}}));
    ASSERT_TRUE(newer.found);
    EXPECT_EQ(newer.found->ledger.facts.week.week, 2);
}

TEST_F(ShareLookupTest, AVoidedSyndicateShowsItsShareAndSaysSo) {
    ASSERT_EQ(voidInBooks(*journal, clerk, "1042", "Onlinefilen ble laget på nytt"), "");
    const ShareLookup lookup = lookUpShare(workspace, code(2));
    ASSERT_TRUE(lookup.found);
    EXPECT_NE(lookup.message.find("er annullert 11.12.2026 (Onlinefilen ble laget på nytt)"), std::string::npos)
        << lookup.message;
    EXPECT_EQ(nextShareStep(*lookup.found), ShareStep::None);
    auto f = facts(*lookup.found);
    EXPECT_EQ(f["state"], Fields{"voided"});
    EXPECT_EQ(f["voided"], (Fields{"11.12.2026", "Onlinefilen ble laget på nytt"}));
}

}  // namespace
}  // namespace andel::test
