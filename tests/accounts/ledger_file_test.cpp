#include "accounts/ledger_file.h"
#include "accounts/ledger_store.h"
#include "accounts_fixture.h"
#include "platform/io_error.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

Ledger filledLedger() {
    Ledger ledger = emptyLedger(smallSyndicate());
    ShareEntry& first = ledger.entries[0];
    first.name = "Åse Ødegård";
    first.telephone = "22-334455";
    first.playerNumber = "123 456 789";
    first.paid = 584;
    first.paidOn = LedgerDate{29, 2, 2024};
    first.paidOut = 1250;
    first.paidOutOn = LedgerDate{31, 12, 2026};
    first.note = "betaler kontant";
    ledger.entries[2].name = "Ola";
    return ledger;
}

TEST(LedgerFile, RoundTripKeepsEveryFieldInTheFileStyle) {
    const Ledger ledger = filledLedger();
    const std::string bytes = encodeLedger(ledger);
    EXPECT_NE(bytes.find("#NAVN\r\n\xC5se \xD8" "deg\xE5rd\r\n"), std::string::npos) << "Windows-1252, CR LF";
    EXPECT_EQ(bytes.find('\n', 0), bytes.find("\r\n") + 1);
    EXPECT_TRUE(bytes.ends_with("#SLUTT\r\n\r\n"));
    const DecodedLedger decoded = decodeLedger(bytes);
    ASSERT_TRUE(decoded.ledger) << decoded.fault;
    EXPECT_EQ(*decoded.ledger, ledger);
}

TEST(LedgerFile, LineBreaksInAFieldCannotShiftThePairs) {
    Ledger ledger = filledLedger();
    ledger.entries[1].note = "linje 1\r\nlinje 2";
    const DecodedLedger decoded = decodeLedger(encodeLedger(ledger));
    ASSERT_TRUE(decoded.ledger) << decoded.fault;
    EXPECT_EQ(decoded.ledger->entries[1].note, "linje 1  linje 2");
}

TEST(LedgerFile, EveryCutAndGarbledFileIsRefused) {
    const std::string bytes = encodeLedger(filledLedger());
    for (std::size_t cut = 0; cut + 2 < bytes.size(); cut += 7) {
        EXPECT_FALSE(decodeLedger(bytes.substr(0, cut)).ledger) << "cut at " << cut;
    }
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string changed = bytes;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const std::string damaged[] = {
        replaced("#ANTALLANDELER\r\n3", "#ANTALLANDELER\r\n2"),  // a share too many
        replaced("#ANTALLANDELER\r\n3", "#ANTALLANDELER\r\n4"),  // a share missing
        replaced("#ANTALLANDELER\r\n3", "#ANTALLANDELER\r\n999"),
        replaced("29.02.2024", "30.02.2024"),
        replaced("#BETALT\r\n584", "#BETALT\r\n58,4"),
        replaced("#KUPONGTYPE\r\nL\xD8RDAG", "#KUPONGTYPE\r\nFREDAG"),
        replaced("#ONLINESERIENUMMER\r\n1042", "#ONLINESERIENUMMER\r\n10x2"),
        replaced("#TELEFON", "#TELEFAX"),
        bytes + "#ANDEL\r\n4\r\n",
        std::string(5000, '\0'),
    };
    for (const std::string& bad : damaged) {
        const DecodedLedger decoded = decodeLedger(bad);
        EXPECT_FALSE(decoded.ledger);
        EXPECT_FALSE(decoded.fault.empty());
    }
}

TEST(LedgerFile, NameGivesSerialAndWeek) {
    const SyndicateFacts facts = smallSyndicate(3, "1042", {5, 2027, {}});
    EXPECT_EQ(ledgerFileName(facts), "REGNSKAP_1042_UKE_05_2027.TXT");
    const auto key = ledgerFileKey(ledgerFileName(facts));
    ASSERT_TRUE(key);
    EXPECT_EQ(key->serialNumber, "1042");
    EXPECT_EQ(key->week, (GameWeek{5, 2027, {}}));
    for (const char* other : {"REGNSKAP_1042_UKE_05_2027.TXT.tmp", "REGNSKAP_10a2_UKE_05_2027.TXT", "DATO-1.TXT", ""}) {
        EXPECT_FALSE(ledgerFileKey(other)) << other;
    }
}

TEST(LedgerStore, DamagedFileIsNamedAndReplacedOnlyWithConsent) {
    TempDir dir;
    const Workspace workspace(dir.path());
    const SyndicateFacts facts = smallSyndicate();
    const std::string name = "andelsregnskap/" + ledgerFileName(facts);
    const std::string cut = encodeLedger(filledLedger()).substr(0, 200);
    dir.write(name, cut);

    try {
        loadLedger(dir.file(name));
        FAIL() << "a cut ledger was read";
    } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find(ledgerFileName(facts)), std::string::npos) << error.what();
    }
    RecordingMessages refuse;
    refuse.answer = false;
    EXPECT_EQ(openLedger(workspace, facts, refuse), LedgerOpening::Kept);
    EXPECT_EQ(dir.read(name), cut);
    ASSERT_EQ(refuse.shown.size(), 1u);
    EXPECT_EQ(refuse.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_THROW(findLedger(workspace, "1042"), IoError);
    const LedgerListing listing = listLedgers(workspace);
    EXPECT_TRUE(listing.ledgers.empty());
    ASSERT_EQ(listing.damaged.size(), 1u);

    RecordingMessages agree;
    EXPECT_EQ(openLedger(workspace, facts, agree), LedgerOpening::Created);
    EXPECT_EQ(loadLedger(dir.file(name)), emptyLedger(facts));
}

TEST(LedgerStore, OpeningKeepsAnExistingLedgerAndRefusesAnotherSyndicate) {
    TempDir dir;
    const Workspace workspace(dir.path());
    RecordingMessages messages;
    const Ledger filled = filledLedger();
    saveLedger(workspace, filled);
    const std::string before = dir.read("andelsregnskap/" + ledgerFileName(filled.facts));

    EXPECT_EQ(openLedger(workspace, filled.facts, messages), LedgerOpening::Existing);
    SyndicateFacts moreShares = filled.facts;
    moreShares.shares = 5;
    EXPECT_EQ(openLedger(workspace, moreShares, messages), LedgerOpening::Refused);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("har 3 andeler, men andelslaget har nå 5"), std::string::npos);
    EXPECT_EQ(dir.read("andelsregnskap/" + ledgerFileName(filled.facts)), before);
    EXPECT_FALSE(ledgerMismatch(filled, moreShares).empty());
}

TEST(LedgerStore, ListsNewestWeekFirstAndFindsTheNewestOfASerial) {
    TempDir dir;
    const Workspace workspace(dir.path());
    saveLedger(workspace, emptyLedger(smallSyndicate(3, "1000", {2, 2027, {}})));
    saveLedger(workspace, emptyLedger(smallSyndicate(3, "1001", {50, 2026, {}})));
    saveLedger(workspace, emptyLedger(smallSyndicate(4, "1000", {40, 2025, {}})));
    dir.write("andelsregnskap/notes.txt", "not a ledger");
    const LedgerListing listing = listLedgers(workspace);
    ASSERT_EQ(listing.ledgers.size(), 3u);
    EXPECT_EQ(listing.ledgers[0].facts.week, (GameWeek{2, 2027, {}}));
    EXPECT_EQ(listing.ledgers[1].facts.serialNumber, "1001");
    EXPECT_TRUE(listing.damaged.empty());
    EXPECT_EQ(findLedger(workspace, "1000")->facts.week, (GameWeek{2, 2027, {}}));
    EXPECT_FALSE(findLedger(workspace, "1999"));
}

TEST(LedgerInput, AmountsDatesAndShares) {
    struct AmountCase {
        const char* text;
        std::optional<std::int64_t> value;
    };
    const AmountCase amounts[] = {{"584", 584},    {"2.916", 2916}, {"1.000.000", 1000000}, {"0", 0},
                                  {"12,50", {}},   {"-5", {}},      {"", {}},               {"29.16", {}},
                                  {"2916.", {}},   {".916", {}},    {"1000.000", {}},       {"9999999999", {}}};
    for (const AmountCase& c : amounts) EXPECT_EQ(parseWholeKroner(c.text), c.value) << c.text;

    EXPECT_EQ(parseLedgerDate("29.02.2024"), (LedgerDate{29, 2, 2024}));
    for (const char* bad : {"29.02.2023", "31.04.2026", "00.01.2026", "1.1.2026", "01-01-2026", "32.01.2026"}) {
        EXPECT_FALSE(parseLedgerDate(bad)) << bad;
    }
    EXPECT_EQ(ledgerDateText({1, 2, 2026}), "01.02.2026");
}

}  // namespace
}  // namespace andel::test
