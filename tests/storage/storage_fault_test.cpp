// Storage files saved again and again in the same second under a writer killed at any
// moment and under a disk that fills up: the newest stored syndicate is always whole and a
// failed save says so.
#include "storage/storage_file.h"
#include "storage/storage_save.h"
#include "storage_fixture.h"
#include "support/recording_messages.h"
#include "support/rewrite_faults.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

class StorageFaultTest : public ::testing::Test {
protected:
    test::Rewrite rewrite() {
        return {.write = [this](int version) {
                    WorkbenchState state = test::syndicate();
                    if (version == 1) state.xfornavn = "Kåre";
                    test::RecordingMessages messages;
                    const bool written = saveStoredRows(state, StorageMode::Lager, workspace, messages, at).has_value();
                    return test::WriteOutcome{written, written ? "" : messages.shown.back().text};
                },
                .read = [this] { return newestStored(); },
                // Each save has its own second, written into the file: whole is either
                // version apart from its saving time.
                .whole = [this](const std::string& bytes) {
                    const auto lines = withoutSavingTime(decodeTextLines(bytes));
                    return lines == versionLines(0) || lines == versionLines(1);
                }};
    }

    static std::vector<std::string> withoutSavingTime(std::vector<std::string> lines) {
        if (lines.size() > 1) lines.erase(lines.begin() + 1);
        return lines;
    }
    std::vector<std::string> versionLines(int version) const {
        WorkbenchState state = test::syndicate();
        if (version == 1) state.xfornavn = "Kåre";
        return withoutSavingTime(storageFileLines(state, StorageMode::Lager, "", at));
    }

    // Every save here falls on one day, so the newest file has the greatest name.
    std::string newestStored() const {
        std::string newest;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "pul1lgr", error)) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() == ".TXT" && name > newest) newest = name;
        }
        return newest.empty() ? std::string() : dir.read("pul1lgr/" + newest);
    }

    test::TempDir dir;
    const Workspace workspace{dir.path()};
    const LocalDateTime at = test::savedAt(2000, 2, 12, 10, 15, 0);
};

#ifndef _WIN32
TEST_F(StorageFaultTest, KilledWriterLeavesTheOldOrTheNewStorageFile) {
    test::expectKilledWriterLeavesWholeFile(rewrite(), 30, 2000);
}
#endif

TEST_F(StorageFaultTest, FullDiskLeavesTheOldStorageFileAndSaysSo) {
    test::expectFullDiskLeavesOldFile(rewrite());
}

}  // namespace
}  // namespace andel
