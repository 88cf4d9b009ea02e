#include "model/codepage.h"
#include "storage/storage_file.h"
#include "platform/file_lock.h"
#include "storage/storage_save.h"
#include "storage_fixture.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace andel {
namespace {

class StorageSave : public ::testing::Test {
protected:
    test::TempDir dir;
    Workspace workspace{dir.path()};
    test::RecordingMessages messages;
    WorkbenchState state = test::syndicate();
    LocalDateTime at = test::savedAt(2008, 10, 7, 9, 5, 3);
};

TEST_F(StorageSave, WritesThe35PairsAndNineCouponLines) {
    state.couponGrid.at(7, 12) = " ";  // a blank cell is stored as "0"
    state.online.pathAndName = "C:\\NTFILE\\KRYSSEN.NTF";
    state.online.date = "Dato 07.10.2008  Kl 09:05:03";
    state.online.serialNumber = "1234";
    state.kupongtype = 1;
    state.pauseordiner = 2;
    state.etternavn = "Ødegård";
    const auto file = saveStoredRows(state, StorageMode::Online, workspace, messages, at);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, dir.path() / "pul1lgr" / "DATO-07102008-090503.TXT");

    std::string expected =
        "#LAGRINGSTIME\r\n2008.10.07.09:05:03\r\n#UKE\r\nUKE 05 -2000\r\n#ONLINESERIENUMMER\r\n1234\r\n"
        "#FORNAVN\r\nKari\r\n#ETTERNAVN\r\n\xD8" "deg\xE5rd\r\n#SPILLENUMMER\r\n123 456 789\r\n"
        "#TRIPPELTYPE\r\n12\r\n#LAGRINGSTYPE\r\nONLINE\r\n#KOMBINASJONER\r\n    9\r\n#REKKEANTALL\r\n 2916\r\n"
        "#VERSJON\r\n07.OKT-2008\r\n#REKKEPRIS\r\n1\r\n#SYSTEMFILNAVN\r\nTEST.TSY\r\n#SYSTEMNAVN\r\nMU 9-0-9\r\n"
        "#KUPONGTYPE\r\nS\xD8NDAG\r\n#SPILLTYPE\r\nBEGGE\r\n#STAMME\r\n446677777777\r\n"
        "#MARKERING\r\nSSSSSSSSMMMM\r\n#PRIORITET\r\n567891111234\r\n#UTGANG1\r\n000000000000\r\n"
        "#UTGANG2\r\n000000000000\r\n#ANTALLANDELER\r\n4\r\n#ONLINEFILPATHOGNAVN\r\nC:\\NTFILE\\KRYSSEN.NTF\r\n"
        "#ONLINEFILDATO\r\nDato 07.10.2008  Kl 09:05:03\r\n";
    for (int i = 0; i < 10; ++i) expected += "#UTVIDELSE\r\n\r\n";
    expected +=
        "#REKKER\r\n446677774444\r\n446677774222\r\n446677774110\r\n446677772421\r\n446677772214\r\n"
        "446677772142\r\n446677771412\r\n446677771241\r\n446677771124\r\n";
    EXPECT_EQ(dir.read("pul1lgr/DATO-07102008-090503.TXT"), expected);
}

TEST_F(StorageSave, ModesStoreTheirTypeSerialAndMessage) {
    state.online.serialNumber = "1234";
    struct Case {
        StorageMode mode;
        const char* typeLine;
        const char* serialLine;
        const char* message;
    } cases[] = {{StorageMode::Lager, "LAGER ", "", "   Intern lagring OK    "},
                 {StorageMode::Online, "ONLINE", "1234", "Intern lagring OK + Onlinefil OK"}};
    for (const Case& c : cases) {
        messages.shown.clear();
        const auto file = saveStoredRows(state, c.mode, workspace, messages, at);
        ASSERT_TRUE(file);
        const std::vector<std::string> lines = decodeTextLines(dir.read("pul1lgr/" + file->filename().string()));
        EXPECT_EQ(lines[15], c.typeLine);
        EXPECT_EQ(lines[5], c.serialLine);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].placement, MessagePlacement::FromMainWindowTopMiddle);
        EXPECT_EQ(messages.shown[0].offsetX, -50);
        EXPECT_EQ(messages.shown[0].offsetY, 200);
    }
}

// Saves within one second never replace each other: each takes the next free second,
// in its name and its saving time, across the end of a minute, a day and a year.
TEST_F(StorageSave, SavesInOneSecondTakeTheNextFreeSeconds) {
    const struct {
        LocalDateTime at;
        std::vector<std::pair<const char*, const char*>> files;  // name, saving time
    } cases[] = {
        {at,
         {{"DATO-07102008-090503.TXT", "2008.10.07.09:05:03"},
          {"DATO-07102008-090504.TXT", "2008.10.07.09:05:04"},
          {"DATO-07102008-090505.TXT", "2008.10.07.09:05:05"}}},
        {test::savedAt(2008, 12, 31, 23, 59, 58),
         {{"DATO-31122008-235958.TXT", "2008.12.31.23:59:58"},
          {"DATO-31122008-235959.TXT", "2008.12.31.23:59:59"},
          {"DATO-01012009-000000.TXT", "2009.01.01.00:00:00"}}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir.path() / "pul1lgr");
        for (std::size_t n = 0; n < c.files.size(); ++n) {
            SCOPED_TRACE(c.files[n].first);
            state.xfornavn = "Kari " + std::to_string(n);
            const auto file = saveStoredRows(state, StorageMode::Lager, workspace, messages, c.at);
            ASSERT_TRUE(file);
            EXPECT_EQ(file->filename(), c.files[n].first);
        }
        for (std::size_t n = 0; n < c.files.size(); ++n) {
            const auto lines = decodeTextLines(dir.read(std::string("pul1lgr/") + c.files[n].first));
            ASSERT_GE(lines.size(), 8u);
            EXPECT_EQ(lines[1], c.files[n].second);
            EXPECT_EQ(lines[7], "Kari " + std::to_string(n));
        }
    }
}

// A file system that cannot lock still takes the save (the lock only keeps two programs
// from one name); a stored syndicate is never lost for want of it.
TEST_F(StorageSave, AFileSystemWithoutLocksStillSaves) {
    simulateLockError(ENOLCK);
    const auto first = saveStoredRows(state, StorageMode::Lager, workspace, messages, at);
    const auto second = saveStoredRows(state, StorageMode::Lager, workspace, messages, at);
    simulateLockError(std::nullopt);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(messages.shown.back().text, kSavedLagerMessage);
}

#ifndef _WIN32
// Two programs saving at once in the same second each keep every syndicate they stored.
TEST_F(StorageSave, TwoProcessesSavingInOneSecondKeepEverySyndicate) {
    constexpr int kProcesses = 2;
    constexpr int kSaves = 15;
    int start[2];  // both start saving at the same moment
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(start[1]);
            char go = 0;
            if (::read(start[0], &go, 1) != 0) ::_exit(2);  // returns once the parent closes it
            test::RecordingMessages quiet;
            for (int i = 0; i < kSaves; ++i) {
                state.xfornavn = "P" + std::to_string(p) + "-" + std::to_string(i);
                if (!saveStoredRows(state, StorageMode::Lager, workspace, quiet, at)) ::_exit(3);
            }
            ::_exit(0);
        }
        children.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::set<std::string> stored;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "pul1lgr")) {
        if (entry.path().extension() != ".TXT") continue;
        stored.insert(decodeTextLines(dir.read("pul1lgr/" + entry.path().filename().string())).at(7));
    }
    std::set<std::string> expected;
    for (int p = 0; p < kProcesses; ++p) {
        for (int i = 0; i < kSaves; ++i) expected.insert("P" + std::to_string(p) + "-" + std::to_string(i));
    }
    EXPECT_EQ(stored, expected);
}
#endif

TEST_F(StorageSave, SaveRowsCommandRefusesAnUnregisteredPlayer) {
    state.spillenummer = "UREGISTRERT";
    EXPECT_FALSE(saveRowsCommand(state, workspace, messages, at));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Du kan ikke lagre rekker som uregistrert spiller\rHent navn og spillenummer i kundekartoteket.");
    EXPECT_EQ(messages.shown[0].placement, MessagePlacement::NearMousePointer);
    EXPECT_EQ(messages.shown[0].offsetX, -200);
    EXPECT_EQ(messages.shown[0].offsetY, -50);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "pul1lgr"));

    state.spillenummer = "123 456 789";
    state.online.serialNumber = "1234";  // the command stores no serial number
    const auto file = saveRowsCommand(state, workspace, messages, at);
    ASSERT_TRUE(file);
    EXPECT_EQ(decodeTextLines(dir.read("pul1lgr/DATO-07102008-090503.TXT"))[5], "");
}

TEST_F(StorageSave, UnusableDirectoryWritesNothing) {
    dir.write("pul1lgr", "a file where the directory should be");
    EXPECT_FALSE(saveStoredRows(state, StorageMode::Lager, workspace, messages, at));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Klarte ikke å lagre rekkene");
    EXPECT_EQ(dir.read("pul1lgr"), "a file where the directory should be");
}

TEST_F(StorageSave, AnExistingUpperCaseDirectoryIsTheStorageDirectory) {
    std::filesystem::create_directories(dir.path() / "PUL1LGR");
    ASSERT_TRUE(saveStoredRows(state, StorageMode::Lager, workspace, messages, at));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "PUL1LGR" / "DATO-07102008-090503.TXT"));
}

}  // namespace
}  // namespace andel
