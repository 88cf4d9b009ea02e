#include "storage/storage_file.h"
#include "storage/storage_load.h"
#include "storage/storage_save.h"
#include "storage_fixture.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"
#include "workbench/stem_editing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <optional>

namespace andel {
namespace {

class StorageLoad : public ::testing::Test {
protected:
    // Saves `state` and returns the stored lines, to be changed and written back.
    std::vector<std::string> savedLines(StorageMode mode = StorageMode::Lager) {
        return storageFileLines(saved, mode, mode == StorageMode::Online ? saved.online.serialNumber : "", at);
    }
    void writeLines(const std::vector<std::string>& lines) { dir.write("pul1lgr/F.TXT", encodeTextLines(lines)); }
    LoadResult load() {
        return loadStoredRows(loaded, dir.path() / "pul1lgr", "F.TXT", messages,
                              [this](const std::string& path) { return path == existingOnlineFile; });
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Message& m : messages.shown) out.push_back(m.text);
        return out;
    }
    std::vector<std::string> firstLines() const {
        std::vector<std::string> out;
        for (const Message& m : messages.shown) out.push_back(m.text.substr(0, m.text.find('\r')));
        return out;
    }

    test::TempDir dir;
    test::RecordingMessages messages;
    WorkbenchState saved = test::syndicate();
    WorkbenchState loaded = initialWorkbenchState();
    LocalDateTime at = test::savedAt(2009, 3, 7, 9, 5, 3);
    std::string existingOnlineFile = "C:\\NTFILE\\KRYSSEN.NTF";
};

TEST_F(StorageLoad, SavedSyndicateComesBackIdentical) {
    toggleStemCell(saved, 3, 5);  // B off match 5: 216 rows per coupon
    saved.kupongtype = 2;
    saved.pauseordiner = 1;
    chooseShares(saved, 9);
    saved.online = {existingOnlineFile, "Dato 07.03.2009  Kl 09:05:03", "1234", "finner du her:", false};
    const auto file = saveStoredRows(saved, StorageMode::Online, Workspace(dir.path()), messages, at);
    ASSERT_TRUE(file);
    messages.shown.clear();

    const LoadResult result =
        loadStoredRows(loaded, file->parent_path(), file->filename().string(), messages,
                       [&](const std::string& path) { return path == existingOnlineFile; });
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.couponsRead, 9);
    EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;
    recomputeSystem(loaded);
    EXPECT_EQ(loaded.stemGrid.cells, saved.stemGrid.cells);
    for (int row = 0; row < kCouponGridRows; ++row) {
        for (int column = 0; column < kCouponGridColumns; ++column) {
            if (column == 4) continue;  // never filled; its empty cells come back as the "0" stored for them
            EXPECT_EQ(loaded.couponGrid.at(column, row), saved.couponGrid.at(column, row)) << column << "," << row;
        }
    }
    EXPECT_EQ(loaded.ukecomboboxItems[loaded.ukecombobox], " UKE 05 -2000");
    EXPECT_EQ(loaded.kupongtype, 2);
    EXPECT_EQ(loaded.pauseordiner, 1);
    EXPECT_EQ(loaded.antallandeler, 9);
    EXPECT_EQ(loaded.antallandeler2, 9);
    EXPECT_EQ(loaded.xfornavn + "|" + loaded.etternavn + "|" + loaded.spillenummer, "Kari|Nordmann|123 456 789");
    EXPECT_EQ(loaded.panel55, "Kari Nordmann 123 456 789");
    EXPECT_EQ(loaded.online.pathAndName, saved.online.pathAndName);
    EXPECT_EQ(loaded.online.date, saved.online.date);
    EXPECT_EQ(loaded.online.serialNumber, "1234");
    EXPECT_EQ(loaded.online.availability, "finner du her:");
}

TEST_F(StorageLoad, OnlineFileStateAfterLoading) {
    saved.online = {existingOnlineFile, "Dato", "1234", "", false};
    struct Case {
        const char* name;
        StorageMode mode;
        std::string serial, path;
        std::string availability;
    } cases[] = {
        {"save-rows command: no state", StorageMode::Lager, "", existingOnlineFile, ""},
        {"serial 0000: no state", StorageMode::Online, "0000", existingOnlineFile, ""},
        {"file found", StorageMode::Online, "1234", existingOnlineFile, "finner du her:"},
        {"file gone", StorageMode::Online, "1234", "C:\\NTFILE\\BORTE.NTF", "Ikke tilgjengelig!"},
        {"no path", StorageMode::Online, "1234", "", "Ikke tilgjengelig!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loaded.online = {"gammel", "gammel", "9999", "gammel", true};
        std::vector<std::string> lines = savedLines(c.mode);
        lines[5] = c.serial;
        lines[45] = c.path;
        writeLines(lines);
        load();
        EXPECT_EQ(loaded.online.availability, c.availability);
        EXPECT_EQ(loaded.online.serialNumber, c.availability.empty() ? "" : c.serial);
    }
}

TEST_F(StorageLoad, VersionRule) {
    saved.online = {existingOnlineFile, "Dato", "1234", "", false};
    for (const char* version : {"07.OKT-2008", " 07.OKT-2008  "}) {
        std::vector<std::string> lines = savedLines(StorageMode::Online);
        lines[21] = version;
        writeLines(lines);
        load();
        EXPECT_TRUE(messages.shown.empty()) << version;
        EXPECT_EQ(loaded.spillenummer, "123 456 789");
    }
    std::vector<std::string> lines = savedLines(StorageMode::Online);
    lines[21] = "01.JAN-2005";
    writeLines(lines);
    load();
    ASSERT_EQ(texts(), std::vector<std::string>{
                           "Kari Nordmann\r123 456 789\r\rP.G.A konflikt mellom gammel og\r"
                           "ny versjon settes spillenummeret på dette\randelsbrevet til uregistrert.\r\r"
                           "Hvis du skal kjøre de samme rekkene en gang til må du hente inn\r"
                           "navn og spillenummer på nytt fra kundekartoteket.\r\r"});
    EXPECT_EQ(messages.shown[0].placement, MessagePlacement::FromMainWindowCorner);
    EXPECT_EQ(messages.shown[0].offsetX, 100);
    EXPECT_EQ(messages.shown[0].offsetY, 130);
    EXPECT_EQ(loaded.spillenummer, "UREGISTRERT");
    EXPECT_EQ(loaded.online.pathAndName, existingOnlineFile + "X");
    EXPECT_EQ(loaded.online.availability, "Ikke tilgjengelig!");
}

// A file without a valid stem is refused whole; other damage loads as far as it goes.
TEST_F(StorageLoad, DamagedFilesLoadAsFarAsTheyGo) {
    const std::vector<std::string> good = savedLines();
    const std::string bad = "feil ved innlesning av lagrede rekker";
    std::vector<std::string> shortLine = good, fewLines = good, extraLines = good, longLine = good;
    shortLine[70] = "44667";
    fewLines.resize(good.size() - 5);
    extraLines.insert(extraLines.end(), {"446677774444", "garbage"});
    longLine[72] = std::string(100000, '7');
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 131 + 7) & 0xFF);
    struct Case {
        const char* name;
        std::string bytes;
        bool loaded;
        int couponsRead;
        std::optional<std::vector<std::string>> messages;  // first lines; none: not checked
    } cases[] = {
        {"empty file: no stem, refused", "", false, 0, std::vector<std::string>{bad}},
        {"short coupon line", encodeTextLines(shortLine), true, 9, std::vector<std::string>{bad}},
        {"fewer than nine lines", encodeTextLines(fewLines), true, 4, std::vector<std::string>{}},
        {"extra lines ignored", encodeTextLines(extraLines), true, 9, std::vector<std::string>{}},
        {"very long line", encodeTextLines(longLine), true, 9, std::vector<std::string>{bad}},
        {"truncated before the coupons", encodeTextLines(std::vector<std::string>(good.begin(), good.begin() + 40)), true, 0, std::vector<std::string>{}},
        {"binary junk", junk, false, 0, std::vector<std::string>{bad}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        loaded = initialWorkbenchState();
        dir.write("pul1lgr/F.TXT", c.bytes);
        const LoadResult result = load();
        EXPECT_EQ(result.loaded, c.loaded);
        EXPECT_EQ(result.couponsRead, c.couponsRead);
        if (c.messages) {
            EXPECT_EQ(firstLines(), *c.messages);
        }
    }
}

// A damaged stem would pair the stored online file with the system of another stem.
TEST_F(StorageLoad, DamagedStemRefusesTheLoadAndChangesNothing) {
    std::vector<std::string> lines = savedLines();
    const auto stem = std::find(lines.begin(), lines.end(), "#STAMME");
    ASSERT_NE(stem, lines.end());
    for (const char* damaged : {"4466777", "446677777778", "444444444777", "abc"}) {
        SCOPED_TRACE(damaged);
        *(stem + 1) = damaged;
        dir.write("pul1lgr/F.TXT", encodeTextLines(lines));
        loaded = initialWorkbenchState();
        loaded.online.pathAndName = "C:\\NTFILE\\EARLIER.NTF";
        const WorkbenchState before = loaded;
        messages.shown.clear();
        EXPECT_FALSE(load().loaded);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, std::string(kBadStemMessage));
        EXPECT_EQ(loaded.stemGrid.cells, before.stemGrid.cells);
        EXPECT_EQ(loaded.couponGrid.cells, before.couponGrid.cells);
        EXPECT_EQ(loaded.online.pathAndName, before.online.pathAndName);
        EXPECT_EQ(loaded.spillenummer, before.spillenummer);
    }
}

TEST_F(StorageLoad, MissingFileLeavesTheStateAsItWas) {
    const WorkbenchState before = loaded;
    EXPECT_FALSE(load().loaded);
    EXPECT_EQ(texts(), std::vector<std::string>{"klarte ikke å lese inn rekkene"});
    EXPECT_EQ(loaded.couponGrid.cells, before.couponGrid.cells);
    EXPECT_EQ(loaded.panel55, before.panel55);
}

TEST(GameWeekSelection, FindsTheItemOrInsertsItNewestFirst) {
    WorkbenchState state;
    state.ukecomboboxItems = {" UKE 06 -2000", " UKE 05 -2000", " UKE 52 -1999"};
    selectGameWeekText(state, "UKE 05 -2000 ");
    EXPECT_EQ(state.ukecombobox, 1);
    selectGameWeekText(state, "UKE 01 -2000");
    EXPECT_EQ(state.ukecomboboxItems,
              (std::vector<std::string>{" UKE 06 -2000", " UKE 05 -2000", " UKE 01 -2000", " UKE 52 -1999"}));
    EXPECT_EQ(state.ukecombobox, 2);
    selectGameWeekText(state, "");
    EXPECT_EQ(state.ukecombobox, 2);
}

}  // namespace
}  // namespace andel
