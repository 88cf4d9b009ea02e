// A storage file saved again in the same second (it then replaces the first) under a
// writer killed at any moment and under a disk that fills up: the stored syndicate stays
// whole and a failed save says so.
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
                .read = [this] { return dir.read("pul1lgr/" + storageFileName(at)); }};
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
