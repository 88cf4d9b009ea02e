#include "platform/file_io.h"
#include "storage/storage_browser.h"
#include "storage/storage_file.h"
#include "storage_fixture.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace andel {
namespace {

class StorageBrowserTest : public ::testing::Test {
protected:
    // A storage file saved at `day`.10.2008 by a player with `rows` total rows.
    void store(const std::string& name, const std::string& first, const std::string& last, int rows,
               unsigned day, StorageMode mode = StorageMode::Lager) {
        WorkbenchState state = test::syndicate();
        state.xfornavn = first;
        state.etternavn = last;
        state.rekkertotalt = std::to_string(rows);
        dir.write("pul1lgr/" + name,
                  encodeTextLines(storageFileLines(state, mode, "", test::savedAt(2008, 10, day, 12, 0, 0))));
    }
    std::vector<std::string> column(std::string_view header) const {
        std::vector<std::string> cells;
        for (std::size_t r = 0; r < browser.table.rows.size(); ++r) cells.push_back(browser.table.cell(header, r));
        return cells;
    }
    bool list() { return listStorage(browser, StorageSource::HardDisk, workspace, std::nullopt); }

    test::TempDir dir;
    Workspace workspace{dir.path()};
    test::RecordingMessages messages;
    StorageBrowser browser;
};

// A syndicate whose ledger was voided reads "ANNULLERT", not "ONLINE", in the list; the
// browser asks the hook and knows nothing of ledgers.
TEST_F(StorageBrowserTest, VoidedSyndicatesAreMarked) {
    for (const auto& [name, serial, day] : {std::tuple{"A.TXT", "1000", 1u}, std::tuple{"B.TXT", "1001", 2u}}) {
        WorkbenchState state = test::syndicate();
        dir.write(std::string("pul1lgr/") + name,
                  encodeTextLines(storageFileLines(state, StorageMode::Online, serial, test::savedAt(2008, 10, day, 12, 0, 0))));
    }
    store("C.TXT", "Per", "Lager", 10, 3);
    ASSERT_TRUE(list());
    EXPECT_EQ(column(kStorageTypeHeader), (std::vector<std::string>{"LAGER ", "ONLINE", "ONLINE"}));
    browser.voided = [](const std::string& serial) { return serial == "1000"; };
    ASSERT_TRUE(list());
    EXPECT_EQ(column(kSerialHeader), (std::vector<std::string>{"", "1001", "1000"}));
    EXPECT_EQ(column(kStorageTypeHeader), (std::vector<std::string>{"LAGER ", "ONLINE", "ANNULLERT"}));
}

TEST_F(StorageBrowserTest, ListsTheValuesByLinePositionNewestFirst) {
    store("a.txt", "Kari", "Nordmann", 2916, 7, StorageMode::Online);
    store("B.TXT", "Ola", "Hansen", 216, 30);
    dir.write("pul1lgr/notes.doc", "not a storage file");
    ASSERT_TRUE(list());
    ASSERT_EQ(browser.table.rows.size(), 2u);
    const std::vector<std::string>& newest = browser.table.rows[0];
    EXPECT_EQ(newest, (std::vector<std::string>{"", "", "Ola", "Hansen", "LØRDAG", "UKE 05 -2000", "ORDINÆR", "LAGER ",
                                                "  216", "123 456 789", "", "B.TXT", "2008.10.30.12:00:00", ""}));
    EXPECT_EQ(browser.table.rows[1][browser.table.column(kStorageTypeHeader)], "ONLINE");
    EXPECT_EQ(browser.storagePath, dir.path() / "pul1lgr");
}

TEST_F(StorageBrowserTest, EmptyAndMissingDirectoriesListOneEmptyRow) {
    ASSERT_TRUE(list());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "pul1lgr"));  // created at the first listing
    ASSERT_EQ(browser.table.rows.size(), 1u);
    EXPECT_FALSE(chooseRow(browser, 0));  // nothing to load

    store("x.txt", "A", "B", 3, 1);
    EXPECT_FALSE(listStorage(browser, StorageSource::Diskette, workspace, dir.path() / "no-diskette"));
    EXPECT_EQ(browser.table.rows.size(), 1u);  // a source that cannot be entered changes nothing
}

TEST_F(StorageBrowserTest, ShortAndDamagedFilesGiveEmptyCells) {
    dir.write("pul1lgr/short.txt", "#LAGRINGSTIME\r\n2008.10.07.09:05:03\r\n#UKE\r\n");
    dir.write("pul1lgr/empty.txt", "");
    std::string junk(3000, '\n');
    junk += std::string(200000, '\xFF');
    dir.write("pul1lgr/junk.txt", junk);
    ASSERT_TRUE(list());
    ASSERT_EQ(browser.table.rows.size(), 3u);
    EXPECT_EQ(column(kSavedHeader), (std::vector<std::string>{"2008.10.07.09:05:03", "", ""}));
    EXPECT_EQ(column(kWeekHeader), (std::vector<std::string>{"", "", ""}));
}

TEST_F(StorageBrowserTest, SortMenuEntries) {
    store("1.txt", "Kari", "Nordmann", 99, 7);
    store("2.txt", "Ola", "aas", 1000, 30, StorageMode::Online);
    store("3.txt", "Anne", "Berg", 216, 1);
    ASSERT_TRUE(list());
    struct Case {
        StorageOrder order;
        std::vector<std::string> firstNames;
    } cases[] = {
        {StorageOrder::LastSaved, {"Ola", "Kari", "Anne"}},  // 2008.10.30 above 2008.10.07
        {StorageOrder::LastName, {"Ola", "Anne", "Kari"}},
        {StorageOrder::FirstName, {"Anne", "Kari", "Ola"}},
        {StorageOrder::RowCount, {"Ola", "Anne", "Kari"}},  // 1000 before 99
        {StorageOrder::StorageType, {"Ola", "Kari", "Anne"}},
    };
    for (const Case& c : cases) {
        sortStorage(browser.table, c.order);
        EXPECT_EQ(column(kStorageFirstNameHeader), c.firstNames) << static_cast<int>(c.order);
    }
}

TEST_F(StorageBrowserTest, MarkingTogglesOncePerPressAndClearingForgetsTheMarks) {
    for (int i = 1; i <= 3; ++i) store(std::to_string(i) + ".txt", "P" + std::to_string(i), "X", 3, i);
    ASSERT_TRUE(list());
    setMarking(browser, true);
    EXPECT_EQ(browser.holdCaption, " Klikk på de linjene du vil slette !    ");
    EXPECT_EQ(browser.table.widths[browser.table.column(kDeleteHeader)], 40);
    for (std::size_t row : {0u, 1u, 2u}) {
        toggleMark(browser, row);
        toggleMark(browser, row);  // moving within the row while the button is held
        releaseMouse(browser);
    }
    toggleMark(browser, 1);
    EXPECT_EQ(column(kDeleteHeader), (std::vector<std::string>{"SLETT:", "", "SLETT:"}));
    EXPECT_EQ(markedCount(browser), 2u);

    setMarking(browser, false);
    EXPECT_EQ(markedCount(browser), 0u);
    EXPECT_EQ(browser.holdCaption, " Hold for sletting i lageret     ");
    EXPECT_EQ(browser.table.widths[browser.table.column(kDeleteHeader)], 0);
}

TEST_F(StorageBrowserTest, ChoosingARowKeepsThePlayerAndTheFileName) {
    store("DATO-07102008-120000.TXT", "Kari", "Nordmann", 3, 7);
    ASSERT_TRUE(list());
    ASSERT_TRUE(chooseRow(browser, 0));
    EXPECT_EQ(browser.chosen.fileName, "DATO-07102008-120000.TXT");
    EXPECT_EQ(browser.chosen.firstName + " " + browser.chosen.lastName, "Kari Nordmann");
    EXPECT_EQ(browser.chosen.playerNumber, "123 456 789");
}

TEST_F(StorageBrowserTest, DeletesOnlyMarkedFilesAfterTheConfirmation) {
    for (int i = 1; i <= 3; ++i) store(std::to_string(i) + ".txt", "P" + std::to_string(i), "X", 3, i);
    ASSERT_TRUE(list());
    deleteMarkedStorage(browser, workspace, std::nullopt, messages, [](std::size_t) { return true; });
    EXPECT_EQ(messages.shown.at(0).text, "Ingen merket for sletting, avbryter");

    setMarking(browser, true);
    toggleMark(browser, 0);  // 3.txt, newest
    releaseMouse(browser);
    toggleMark(browser, 2);  // 1.txt
    std::size_t asked = 0;
    deleteMarkedStorage(browser, workspace, std::nullopt, messages, [&](std::size_t count) {
        asked = count;
        return false;  // "Avbryt"
    });
    EXPECT_EQ(asked, 2u);
    EXPECT_EQ(markedCount(browser), 2u);

    std::filesystem::remove(dir.path() / "pul1lgr" / "1.txt");  // gone meanwhile: reported, the rest deleted
    deleteMarkedStorage(browser, workspace, std::nullopt, messages, [](std::size_t) { return true; });
    EXPECT_EQ(messages.shown.back().text, pathText(dir.path() / "pul1lgr") + "\\1.txt");
    EXPECT_FALSE(browser.marking);
    EXPECT_EQ(column(kFileNameHeader), std::vector<std::string>{"2.txt"});
}

}  // namespace
}  // namespace andel
