// The books file itself: made on first use, backed up before the first change of a day,
// never overwritten when damaged, refused clearly when it cannot be written or is held.
#include "books/books_backup.h"
#include "books/books_check.h"
#include "books/kept_figures.h"
#include "books_fixture.h"
#include "platform/file_io.h"
#include "support/file_permissions.h"

namespace andel::test {
namespace {

TEST_F(BooksTest, TheFirstChangeOfADayMakesABackup) {
    open(pricedSyndicate("1042"));
    const auto backups = std::filesystem::directory_iterator(backupDirectory(workspace));
    EXPECT_EQ(std::distance(std::filesystem::begin(backups), std::filesystem::end(backups)), 1);
    ASSERT_TRUE(newestGoodBackup(workspace));
    sell("1042", 1, "Kari Nordmann");
    // The copy is a database of its own that holds the books as they were.
    Journal copy(Workspace(dir.path()));
    EXPECT_TRUE(checkBooks(copy).ok());
}

// The figures kept for lists: read back as folded, and bytes cut anywhere or of another
// layout are refused (the reader then folds the events).
TEST_F(BooksTest, KeptFiguresReadBackWholeAndRefuseCutBytes) {
    open(pricedSyndicate("1042"));
    open(pricedSyndicate("1043"));
    sell("1042", 1, "Kari Nordmann", "900 00 000");
    sell("1043", 1, "Kari Nordmann", "900 00 000");
    ASSERT_EQ(payInBooks(*journal, clerk, "1043", 1, std::nullopt, std::nullopt), "");
    ASSERT_EQ(confirmInBooks(*journal, clerk, "1043", resultWith(3000)), "");
    ASSERT_EQ(payFromBalanceInBooks(*journal, clerk, "1042", 1), "");
    ASSERT_EQ(closeSaleInBooks(*journal, clerk, "1042"), "");
    const std::vector<Ledger> fresh = journal->read([&] { return journal->foldEveryLedger(); });
    ASSERT_EQ(fresh.size(), 2u);
    for (const Ledger& ledger : fresh) {
        const std::string bytes = encodeKeptFigures(ledger);
        Ledger read;
        read.id = ledger.id;
        read.facts = ledger.facts;
        ASSERT_TRUE(decodeKeptFigures(bytes, read));
        EXPECT_EQ(read, ledger);
        for (std::size_t cut = 0; cut < bytes.size(); ++cut) EXPECT_FALSE(decodeKeptFigures(bytes.substr(0, cut), read)) << cut;
        EXPECT_FALSE(decodeKeptFigures(bytes + "x", read));
        EXPECT_FALSE(decodeKeptFigures("\x04" + bytes.substr(1), read));  // a layout of a later version
        EXPECT_EQ(read, ledger);  // a refusal leaves it as it was
    }
    EXPECT_EQ(journal->read([&] { return journal->ledgers(); }), fresh);
}

// Books of the first layout, without kept figures, get them when opened, with the same
// figures as before.
TEST_F(BooksTest, BooksOfTheFirstLayoutAreBroughtUpToDateWhenOpened) {
    open(pricedSyndicate("1042"));
    sell("1042", 1, "Kari Nordmann");
    ASSERT_EQ(payInBooks(*journal, clerk, "1042", 1, std::nullopt, std::nullopt), "");
    const std::vector<Ledger> before = journal->read([&] { return journal->foldEveryLedger(); });
    journal->database().execute("DROP TABLE kept_figures; DROP TABLE settlement; PRAGMA user_version = 1");
    journal = std::make_unique<Journal>(workspace);
    const auto kept = journal->read([&] {
        SqliteStatement s(journal->database(), "SELECT count(*) FROM kept_figures");
        s.step();
        return s.integer(0);
    });
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(journal->read([&] { return journal->ledgers(); }), before);
    EXPECT_TRUE(checkBooks(*journal).ok());
}

// A full disk, shown by a database that may not grow: the change is refused with a clear
// message and the books keep exactly what they had.
TEST_F(BooksTest, AFullDiskRefusesAChangeAndKeepsWhatItHas) {
    open(pricedSyndicate("1042"));
    const auto events = [&] {
        return journal->read([&] {
            SqliteStatement s(journal->database(), "SELECT count(*) FROM event");
            s.step();
            return s.integer(0);
        });
    };
    const auto pages = journal->read([&] {
        SqliteStatement s(journal->database(), "PRAGMA page_count");
        s.step();
        return s.integer(0);
    });
    journal->database().execute("PRAGMA max_page_count = " + std::to_string(pages));
    std::string refusal;
    for (int serial = 1100; serial < 1400 && refusal.empty(); ++serial) {
        const std::int64_t before = events();
        try {
            open(pricedSyndicate(std::to_string(serial), 120));
        } catch (const IoError& full) {
            refusal = full.what();
            EXPECT_EQ(events(), before);
        }
    }
    EXPECT_NE(refusal.find("Disken er full"), std::string::npos) << refusal;
    journal = std::make_unique<Journal>(workspace);
    EXPECT_TRUE(checkBooks(*journal).ok());
}

TEST_F(BooksTest, ADamagedDatabaseIsNamedWithItsBackupAndNeverWritten) {
    open(pricedSyndicate("1042"));
    sell("1042", 1, "Kari Nordmann");
    journal.reset();
    const std::filesystem::path file = booksPath(workspace);
    std::error_code error;
    std::filesystem::remove(file.string() + "-wal", error);
    std::filesystem::remove(file.string() + "-shm", error);
    std::string bytes = dir.read("andelsregnskap/regnskap.db");
    ASSERT_GT(bytes.size(), 100u);
    for (std::size_t i = 0; i < 16; ++i) bytes[i] = 'x';  // the header
    dir.write("andelsregnskap/regnskap.db", bytes);
    try {
        Journal damaged(workspace);
        FAIL() << "a damaged database was opened";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("Siste gode sikkerhetskopi"), std::string::npos) << e.what();
    }
    EXPECT_EQ(dir.read("andelsregnskap/regnskap.db"), bytes);
}

TEST_F(BooksTest, AReadOnlyDatabaseRefusesAChangeAndKeepsWhatItHas) {
#ifdef _WIN32
    GTEST_SKIP() << "Wine run as root writes read-only files";
#endif
    open(pricedSyndicate("1042"));
    journal.reset();
    namespace fs = std::filesystem;
    for (const fs::path& file : {booksPath(workspace), backupDirectory(workspace).parent_path()}) {
        fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove);
    }
    {
        const HonourFilePermissions asAnOrdinaryUser;
        EXPECT_THROW(
            {
                Journal readOnly(workspace);
                setBuyerInBooks(readOnly, clerk, "1042", 1, BuyerChange{"Kari Nordmann", {}, {}, {}});
            },
            IoError);
    }
    fs::permissions(backupDirectory(workspace).parent_path(), fs::perms::owner_all);
    fs::permissions(booksPath(workspace), fs::perms::owner_read | fs::perms::owner_write);
    Journal again(workspace);
    EXPECT_FALSE(again.read([&] { return again.ledger("1042"); })->entries[0].hasBuyer());
}

TEST_F(BooksTest, ABusyDatabaseIsReportedAsInUse) {
    open(pricedSyndicate("1042"));
    Journal other(workspace, nullptr, 50);
    SqliteTransaction holder(journal->database(), SqliteTransaction::Kind::Write);
    try {
        setBuyerInBooks(other, clerk, "1042", 1, BuyerChange{"Kari Nordmann", {}, {}, {}});
        FAIL() << "the change did not wait for the other writer";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("i bruk"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace andel::test
