// A syndicate's online file made once on purpose: the earlier online files of the same
// stem, coupon type, time basis and week are found in the row storage, the question names
// them with No as its answer by default, and a voided syndicate's file is moved aside.
#include "online/earlier_online_file.h"
#include "online/voided_online_file.h"

#include "storage/storage_fixture.h"
#include "storage/storage_save.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"
#include "workbench/stem_editing.h"

#include <gtest/gtest.h>

#include <functional>

namespace andel::test {
namespace {

namespace fs = std::filesystem;

struct Counter {
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    WorkbenchState state = syndicate();

    // The syndicate in hand stored as made with serial 1234, or stored by "Lagre rekker".
    void store(StorageMode mode, const WorkbenchState& stored, int minute = 5) {
        WorkbenchState copy = stored;
        copy.online.serialNumber = "1234";
        copy.online.pathAndName = "C:\\NTFILE\\KRYSSEN_2916.NTF";
        copy.online.date = "Dato 07.03.2009  Kl 09:0" + std::to_string(minute) + ":03";
        RecordingMessages quiet;
        ASSERT_TRUE(saveStoredRows(copy, mode, workspace, quiet, savedAt(2009, 3, 7, 9, minute, 3)));
    }
};

TEST(EarlierOnlineFile, TheSameSyndicateStoredWithAnOnlineFileIsNamedAndAskedAboutWithNoAsDefault) {
    Counter counter;
    EXPECT_TRUE(earlierOnlineFiles(counter.workspace, counter.state).empty());
    EXPECT_TRUE(mayMakeAnotherOnlineFile(counter.workspace, counter.state, counter.messages));
    EXPECT_TRUE(counter.messages.shown.empty());

    counter.store(StorageMode::Online, counter.state);
    const auto earlier = earlierOnlineFiles(counter.workspace, counter.state);
    ASSERT_EQ(earlier.size(), 1u);
    EXPECT_EQ(earlier[0].serialNumber, "1234");
    EXPECT_EQ(earlier[0].madeAt, "07.03.2009 kl 09:05:03");
    EXPECT_EQ(earlier[0].player, "Kari Nordmann 123 456 789");
    EXPECT_EQ(earlier[0].onlineFile, "C:\\NTFILE\\KRYSSEN_2916.NTF");

    counter.messages.answer = false;
    EXPECT_FALSE(mayMakeAnotherOnlineFile(counter.workspace, counter.state, counter.messages));
    ASSERT_EQ(counter.messages.shown.size(), 1u);
    const Message& question = counter.messages.shown[0];
    EXPECT_EQ(question.text, "Andelslaget har allerede en onlinefil:\rserienummer 1234, laget 07.03.2009 kl 09:05:03, "
                             "spiller Kari Nordmann 123 456 789\r\rLage en ny onlinefil likevel?");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, MessageDefault::No);
    counter.messages.answer = true;
    EXPECT_TRUE(mayMakeAnotherOnlineFile(counter.workspace, counter.state, counter.messages));

    // A voided syndicate no longer has a valid online file.
    EXPECT_TRUE(earlierOnlineFiles(counter.workspace, counter.state, [](const std::string& s) { return s == "1234"; })
                    .empty());
}

TEST(EarlierOnlineFile, AnotherWeekTypeBasisOrStemOrAStoreWithoutOnlineFileIsNoEarlierFile) {
    const struct {
        const char* what;
        std::function<void(WorkbenchState&)> change;
        StorageMode mode;
    } cases[] = {
        {"another week", [](WorkbenchState& s) { s.ukecombobox = 0; }, StorageMode::Online},
        {"another coupon type", [](WorkbenchState& s) { s.kupongtype = 1; }, StorageMode::Online},
        {"another time basis", [](WorkbenchState& s) { s.pauseordiner = 1; }, StorageMode::Online},
        {"another stem", [](WorkbenchState& s) { toggleStemCell(s, 2, 1); }, StorageMode::Online},
        {"stored by Lagre rekker", [](WorkbenchState&) {}, StorageMode::Lager},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Counter counter;
        WorkbenchState stored = counter.state;
        c.change(stored);
        counter.store(c.mode, stored);
        EXPECT_TRUE(earlierOnlineFiles(counter.workspace, counter.state).empty());
    }
}

TEST(EarlierOnlineFile, SeveralAreNamedNewestFirst) {
    Counter counter;
    counter.store(StorageMode::Online, counter.state, 5);
    counter.store(StorageMode::Online, counter.state, 7);
    const Message question = earlierOnlineFileQuestion(earlierOnlineFiles(counter.workspace, counter.state));
    EXPECT_EQ(question.text.substr(0, question.text.find("\r\r")),
              "Andelslaget har allerede 2 onlinefiler:\rserienummer 1234, laget 07.03.2009 kl 09:07:03, spiller Kari "
              "Nordmann 123 456 789\rserienummer 1234, laget 07.03.2009 kl 09:05:03, spiller Kari Nordmann 123 456 789");
}

TEST(VoidedOnlineFile, MovesIntoAnnullertOnceAndNeverLosesTheFile) {
#ifdef _WIN32
    GTEST_SKIP() << "on Windows C: is the real drive, whose NTFILE the tests running at once share";
#endif
    TempDir dir;
    const Workspace workspace(dir.path());
    const DriveMap drives(workspace, [&](char letter) -> std::optional<std::string> {
        if (letter == 'C') return dir.file("c").string();
        return std::nullopt;
    });
    fs::create_directories(dir.file("c"));
    dir.write("c/NTFILE/KRYSSEN_2916.NTF", std::string(700, 'x'));

    const auto moved = moveOnlineFileToVoided(drives, "C:\\NTFILE\\KRYSSEN_2916.NTF");
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, "C:\\NTFILE\\ANNULLERT\\KRYSSEN_2916.NTF");
    EXPECT_FALSE(fs::exists(dir.file("c/NTFILE/KRYSSEN_2916.NTF")));
    EXPECT_EQ(dir.read("c/NTFILE/ANNULLERT/KRYSSEN_2916.NTF"), std::string(700, 'x'));
    // Already moved, a drive that is not there, a path without a folder: nothing to move.
    for (const char* path : {"C:\\NTFILE\\KRYSSEN_2916.NTF", "Q:\\NTFILE\\KRYSSEN_2916.NTF", "KRYSSEN_2916.NTF"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(moveOnlineFileToVoided(drives, path));
    }
    EXPECT_EQ(dir.read("c/NTFILE/ANNULLERT/KRYSSEN_2916.NTF"), std::string(700, 'x'));
}

}  // namespace
}  // namespace andel::test
