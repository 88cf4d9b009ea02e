#include "books/ledger_edit.h"
#include "books/ledger_file.h"
#include "books/ledger_store.h"
#include "books/old_ledger_files.h"
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
    first.toBalance = {{"1050", 2, 584}, {"1051", 1, 16}};
    ledger.entries[1] = ShareEntry{.name = std::string(kAgentBuyerName), .agentHeld = true};
    ledger.entries[2].name = "Ola";
    ledger.entries[2].paid = 584;
    ledger.entries[2].paidFromBalance = {{"0999", 3, 584}};
    ledger.saleClosed = LedgerDate{5, 12, 2026};
    ledger.facts.player = "Kari Nordmann";
    ledger.confirmed = ConfirmedResult{{6, 12, 2026}, {"1X21X21X21X2", 250000, 1500, 126}, std::nullopt};
    ledger.history = {{{7, 12, 2026}, "Angret betaling av andel 2: 01.12.2026, kr 584"}};
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

TEST(LedgerFile, VoidedBeggeLedgerRoundTripsAndAFirstVersionFileIsStillRead) {
    Ledger ledger = filledLedger();
    ledger.facts.timeBasis = TimeBasis::Both;
    ledger.confirmed->halfTime = ConfirmedRound{"XXXXXXXXXXXX", 0, 2000, 150};
    ledger.voided = LedgerVoiding{{8, 12, 2026}, "feil spillenummer"};
    const DecodedLedger decoded = decodeLedger(encodeLedger(ledger));
    ASSERT_TRUE(decoded.ledger) << decoded.fault;
    EXPECT_EQ(*decoded.ledger, ledger);

    // Ledgers written before closed sales and balances (version 2), and before results
    // were confirmed (version 1: no player, result, voiding or history).
    std::string older = encodeLedger(emptyLedger(smallSyndicate(1)));
    const auto cut = [&](const std::string& from, const std::string& to) {
        older.erase(older.find(from), older.find(to) - older.find(from));
    };
    const auto version = [&](const char* number) {
        older.replace(older.find("#REGNSKAPSVERSJON\r\n3\r\n"), 22, std::string("#REGNSKAPSVERSJON\r\n") + number + "\r\n");
    };
    cut("#SALGSTENGT\r\n", "#ANDEL");
    for (std::size_t at; (at = older.find("#KOMMISJONAER")) != std::string::npos;) {
        older.erase(at, older.find("#TILSALDO", at) + 13 - at);  // the three pairs, each value empty
    }
    version("2");
    const DecodedLedger second = decodeLedger(older);
    ASSERT_TRUE(second.ledger) << second.fault;
    EXPECT_EQ(*second.ledger, emptyLedger(smallSyndicate(1)));

    cut("#SPILLER\r\n", "#REKKER");
    cut("#GODKJENT\r\n", "#ANDEL");
    cut("#HISTORIKK\r\n", "#SLUTT");
    older.replace(older.find("\r\n2\r\n"), 5, "\r\n1\r\n");
    const DecodedLedger first = decodeLedger(older);
    ASSERT_TRUE(first.ledger) << first.fault;
    EXPECT_EQ(*first.ledger, emptyLedger(smallSyndicate(1)));
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
        replaced("#RESULTAT\r\n1X21X2", "#RESULTAT\r\n1X21Y2"),
        replaced("#GODKJENT\r\n06.12.2026", "#GODKJENT\r\n"),
        replaced("#HISTORIKK\r\n1", "#HISTORIKK\r\n2"),
        replaced("07.12.2026 Angret", "07-12-2026 Angret"),
        replaced("1050/2=584", "1050/2=0"),
        replaced("1050/2=584", "1050/200=584"),
        replaced("1050/2=584", "105/2=584"),
        replaced("1050/2=584;", "1050/2=584;;"),
        replaced("1051/1=16", "1051/1=1600"),  // more moved than paid out
        replaced("#KOMMISJONAER\r\nJ", "#KOMMISJONAER\r\nNEI"),
        replaced("#SALGSTENGT\r\n05.12.2026", "#SALGSTENGT\r\n5.12.2026"),
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

TEST(LedgerStore, ADamagedFileIsNamedByItsName) {
    TempDir dir;
    const SyndicateFacts facts = smallSyndicate();
    const std::string name = "andelsregnskap/" + ledgerFileName(facts);
    dir.write(name, encodeLedger(filledLedger()).substr(0, 200));
    try {
        loadLedger(dir.file(name));
        FAIL() << "a cut ledger was read";
    } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find(ledgerFileName(facts)), std::string::npos) << error.what();
    }
}

TEST(LedgerStore, OpeningKeepsAnExistingLedgerAndRefusesAnotherSyndicate) {
    TempDir dir;
    const Workspace workspace(dir.path());
    RecordingMessages messages;
    const Ledger filled = filledLedger();
    ASSERT_EQ(openLedger(workspace, filled.facts, messages), LedgerOpening::Created);
    EXPECT_EQ(openLedger(workspace, filled.facts, messages), LedgerOpening::Existing);
    SyndicateFacts moreShares = filled.facts;
    moreShares.shares = 5;
    EXPECT_EQ(openLedger(workspace, moreShares, messages), LedgerOpening::Refused);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("har 3 andeler, men andelslaget har nå 5"), std::string::npos);
    EXPECT_EQ(findLedger(workspace, "1042")->facts, filled.facts);
    EXPECT_FALSE(ledgerMismatch(filled, moreShares).empty());
}

// A ledger is its serial number's: a changed week never splits it, and a file renamed or
// copied to another serial number's name is not read as that serial's.
TEST(LedgerStore, OneLedgerPerSerialNumber) {
    TempDir dir;
    const Workspace workspace(dir.path());
    RecordingMessages messages;
    const Ledger filled = filledLedger();
    ASSERT_EQ(openLedger(workspace, filled.facts, messages), LedgerOpening::Created);
    SyndicateFacts nextWeek = filled.facts;
    nextWeek.week = {51, 2026, {}};
    EXPECT_EQ(openLedger(workspace, nextWeek, messages), LedgerOpening::Refused);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("serienummer 1042 gjelder UKE 50 -2026, men andelslaget gjelder UKE 51 -2026"),
              std::string::npos)
        << messages.shown[0].text;
    EXPECT_EQ(listLedgers(workspace).ledgers.size(), 1u) << "no second ledger for one serial number";

    dir.write("andelsregnskap/REGNSKAP_1043_UKE_50_2026.TXT", encodeLedger(filled));
    try {
        loadLedger(dir.file("andelsregnskap/REGNSKAP_1043_UKE_50_2026.TXT"));
        FAIL() << "a renamed file was read as another serial number's";
    } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find("filnavnet stemmer ikke med serienummer 1042"), std::string::npos)
            << error.what();
    }
}

TEST(LedgerStore, ListsNewestWeekFirstAndFindsTheNewestOfASerial) {
    TempDir dir;
    const Workspace workspace(dir.path());
    // Old files, brought into the books on first use: the number 1000 came round again.
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
