// The make-online-file command over a temporary working directory whose drives C and A
// are mapped to sub-directories.
#include "online/make_online_file.h"

#include "online/online_file_audit.h"
#include "online/online_submission.h"
#include "platform/file_lock.h"
#include "platform/io_error.h"
#include "settings/serial_counter.h"
#include "storage/storage_file.h"
#include "storage/storage_fixture.h"
#include "storage/storage_load.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include "support/drive_settings_only.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace andel::test {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;

const std::string kFileName = "KRYSSEN_2.916_Rekker_KARI_NORDMANN_Dato_07-03-2009_KL_09-05-03.NTF";

// One working directory, one syndicate in hand and the dialog's answers.
struct Road {
    TempDir dir;
    Workspace workspace{dir.path()};
    RecordingMessages messages;
    WorkbenchState state = syndicate();
    OnlineDialogAnswers answers{"Kari Nordmann", "123 456 789", "C:\\NTFILE", "2", "5"};
    MakeOnlineHooks hooks;
    std::int64_t clock = 0;
    int eventsHandled = 0;

    Road() {
        dir.write("config.kvs", "DRIVE_C=" + dir.file("c").string() + "\r\nDRIVE_A=" + dir.file("a").string() + "\r\n");
        fs::create_directories(dir.file("c"));
        fs::create_directories(dir.file("a"));
        dir.write("onlcopi/config.kvs", "UNIKTNUMMER_ONLINEFIL=1234\r\n");
        hooks.now = [] { return savedAt(2009, 3, 7, 9, 5, 3); };
        hooks.settingsWait = [](int) {};
        hooks.fileWait.ticks = [this] { return clock; };
        hooks.fileWait.handleEvents = [this] {
            ++eventsHandled;
            clock += 100;
        };
    }
    MakeOnlineResult make() { return makeOnlineFile(state, answers, workspace, messages, hooks); }
    int serial() {
        RecordingMessages quiet;
        return peekSerial(workspace, quiet, [](int) {});
    }
    SettingValue setting(std::string_view key) {
        RecordingMessages quiet;
        return mainStore(workspace, quiet, [](int) {}).getString(key);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> shown;
        for (const Message& message : messages.shown) shown.push_back(message.text);
        return shown;
    }
    std::vector<std::string> filesIn(const char* directory) const {
        std::vector<std::string> names;
        std::error_code error;
        for (fs::directory_iterator it(dir.file(directory), error), end; !error && it != end; it.increment(error)) {
            if (it->is_regular_file()) names.push_back(it->path().filename().string());
        }
        return names;
    }
};

TEST(MakeOnlineFile, MakesTheFileKeepsItsCopyAdvancesTheSerialAndStoresTheRows) {
    SKIP_ON_REAL_DRIVES();
    Road road;
    road.state.online.pathAndName = "C:\\NTFILE\\FORRIGE.NTF";
    const MakeOnlineResult result = road.make();
    ASSERT_EQ(result.outcome, MakeOnlineOutcome::Made) << ::testing::PrintToString(road.texts());
    EXPECT_EQ(result.onlineFile, "C:\\NTFILE\\" + kFileName);
    EXPECT_EQ(result.written, road.dir.file("c/NTFILE/" + kFileName));

    const std::string file = road.dir.read("c/NTFILE/" + kFileName);
    const OnlineFileInspection inspection = inspectOnlineFile(file);
    EXPECT_TRUE(inspection.allOk());
    EXPECT_EQ(inspection.checksOk.size(), 10u);
    EXPECT_THAT(inspection.headerDump, Contains("H3   :Kari Nordmann       "));
    EXPECT_THAT(inspection.headerDump, Contains("H24  :123456789"));
    EXPECT_EQ(file.substr(350 + 10, 2), "05");   // weeks
    EXPECT_EQ(file.substr(350 + 18, 3), "002");  // multiplier
    EXPECT_NE(road.dir.read("TPP.TMP").find("#FRIDISPOSISJONHEADER\r\n1234\r\n"), std::string::npos);

    EXPECT_EQ(road.dir.read("onlcopi/SE_1234.ntf"), file);
    EXPECT_EQ(road.serial(), 1235);

    const OnlineFileStatus& online = road.state.online;
    EXPECT_EQ(online.pathAndName, result.onlineFile);
    EXPECT_EQ(online.serialNumber, "1234");
    EXPECT_EQ(online.availability, "Her finner du onlinefilen");
    EXPECT_THAT(online.date, ::testing::StartsWith("Dato 07.03.2009  Kl 09:05:0"));
    EXPECT_EQ(road.state.xfornavn, "Kari");
    EXPECT_EQ(road.state.etternavn, "Nordmann");
    EXPECT_EQ(road.state.panel55, "Kari Nordmann 123 456 789");

    ASSERT_TRUE(result.storageFile);
    EXPECT_EQ(*result.storageFile, road.dir.file("pul1lgr/DATO-07032009-090503.TXT"));
    EXPECT_EQ(decodeTextLines(road.dir.read("pul1lgr/DATO-07032009-090503.TXT")).at(15), "ONLINE");
    WorkbenchState loaded = initialWorkbenchState();
    ASSERT_TRUE(loadStoredRows(loaded, road.dir.file("pul1lgr"), "DATO-07032009-090503.TXT", road.messages,
                               [](const std::string&) { return true; })
                    .loaded);
    EXPECT_EQ(loaded.online.serialNumber, "1234");
    EXPECT_EQ(loaded.online.pathAndName, result.onlineFile);
    EXPECT_EQ(loaded.online.date, online.date);

    EXPECT_EQ(road.texts(), std::vector<std::string>{"Intern lagring OK + Onlinefil OK"});
    EXPECT_EQ(road.setting("OnlinefilDrive").value, "C");
}

TEST(MakeOnlineFile, SerialAfter9999IsThousandAndTheDriveIsRemembered) {
    SKIP_ON_REAL_DRIVES();
    Road road;
    road.dir.write("onlcopi/config.kvs", "UNIKTNUMMER_ONLINEFIL=9999\r\n");
    road.answers.name = "  Åse   Ødegård ";
    road.answers.directory = "A:\\NTFILE";
    const MakeOnlineResult result = road.make();
    ASSERT_EQ(result.outcome, MakeOnlineOutcome::Made) << ::testing::PrintToString(road.texts());
    EXPECT_EQ(result.onlineFile, "A:\\NTFILE\\KRYSSEN_2.916_Rekker_ASE___ODEGARD_Dato_07-03-2009_KL_09-05-03.NTF");
    EXPECT_TRUE(fs::exists(road.dir.file("a/NTFILE/KRYSSEN_2.916_Rekker_ASE___ODEGARD_Dato_07-03-2009_KL_09-05-03.NTF")));
    EXPECT_EQ(road.state.xfornavn, "Åse");
    EXPECT_EQ(road.state.etternavn, "Ødegård");
    EXPECT_THAT(road.filesIn("onlcopi"), ::testing::UnorderedElementsAre("SE_9999.ntf", "config.kvs"));
    EXPECT_EQ(road.serial(), 1000);
    EXPECT_EQ(defaultOnlineDirectory(road.setting("OnlinefilDrive")), "A:\\NTFILE");
}

TEST(MakeOnlineFile, UnregisteredPlayerIsRefusedBeforeTheDialog) {
    Road road;
    EXPECT_TRUE(mayMakeOnlineFile(road.state, road.messages));
    EXPECT_TRUE(road.messages.shown.empty());
    road.state.spillenummer = " UREGISTRERT ";
    EXPECT_FALSE(mayMakeOnlineFile(road.state, road.messages));
    ASSERT_EQ(road.messages.shown.size(), 1u);
    EXPECT_EQ(road.messages.shown[0].text,
              "Du kan ikke levere inn som uregistrert spiller\rHent navn og spillenummer i kundekartoteket.");
    EXPECT_EQ(road.messages.shown[0].placement, MessagePlacement::NearMousePointer);
    EXPECT_EQ(road.messages.shown[0].offsetX, -200);
    EXPECT_EQ(road.messages.shown[0].offsetY, -50);
}

// Coupons of 6.561 or of 1 row cannot be played: the command refuses them before and
// after the dialog, whichever control started it, and writes nothing.
TEST(MakeOnlineFile, UnplayableCouponsAreRefusedAndNothingIsWritten) {
    for (const char* mask : {"7", "4"}) {
        SCOPED_TRACE(mask);
        Road road;
        for (int m = 1; m <= kMatches; ++m) road.state.couponGrid.at(kFirstCouponColumn + 4, m) = mask;
        EXPECT_FALSE(mayMakeOnlineFile(road.state, road.messages));
        EXPECT_EQ(road.make().outcome, MakeOnlineOutcome::Refused);
        ASSERT_EQ(road.messages.shown.size(), 2u);
        for (const Message& message : road.messages.shown) EXPECT_EQ(message.text, kUnplayableOnlineMessage);
        EXPECT_FALSE(fs::exists(road.dir.file("TPP.TMP")));
        EXPECT_TRUE(road.filesIn("c/NTFILE").empty());
        EXPECT_TRUE(road.filesIn("pul1lgr").empty());
        EXPECT_EQ(road.serial(), 1234);
    }
}

// The online file holds nine digits: a shorter number is made only when the agent says so,
// a longer one never.
TEST(MakeOnlineFile, PlayerNumberThatIsNotNineDigitsIsAskedForOrRefused) {
    struct Case {
        const char* number;
        bool answer;
        bool made;
        const char* message;
    };
    const Case cases[] = {
        {"12345", false, false, "Spillenummeret har 5 siffer, ikke 9. Lage onlinefilen likevel?"},
        {"12345", true, true, "Spillenummeret har 5 siffer, ikke 9. Lage onlinefilen likevel?"},
        {"4000000001", true, false, "Spillenummeret har 10 siffer; det kan ha høyst 9.\rOnlinefilen er ikke laget."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Road road;
        road.answers.playerNumber = c.number;
        road.messages.answer = c.answer;
        EXPECT_EQ(road.make().outcome == MakeOnlineOutcome::Made, c.made);
        ASSERT_FALSE(road.messages.shown.empty());
        EXPECT_EQ(road.messages.shown[0].text, c.message);
        // A stray Enter never makes a file for a number the agent did not mean.
        if (road.messages.shown[0].buttons == MessageButtons::YesNo) {
            EXPECT_EQ(road.messages.shown[0].defaultAnswer, MessageDefault::No);
        }
#ifndef _WIN32  // on Windows C: is the machine's own drive, not the test's directory
        EXPECT_EQ(road.filesIn("c/NTFILE").empty(), !c.made);
#endif
        EXPECT_EQ(road.serial(), c.made ? 1235 : 1234);
    }
}

TEST(MakeOnlineFile, DriveWithoutMappingIsRefusedAndChangesNothing) {
    Road road;
    road.state.online = {"C:\\NTFILE\\FORRIGE.NTF", "Dato 01.03.2009  Kl 10:00:00", "1200", "Her finner du onlinefilen"};
    const WorkbenchState before = road.state;
    road.answers.directory = "Q:\\NTFILE";
    road.answers.name = "Ola Nordmann";
    EXPECT_EQ(road.make().outcome, MakeOnlineOutcome::Refused);
    ASSERT_EQ(road.messages.shown.size(), 1u);
    EXPECT_EQ(road.messages.shown[0].text,
              "ONLINEFIL-KATALOG\rQ:\\NTFILE er ikke tilgjengelig\r\rKan ikke lage onlinfil dit !!???\r"
              "Prøv på nytt med et annet valg");
    EXPECT_EQ(road.messages.shown[0].placement, MessagePlacement::FromMainWindowCorner);
    EXPECT_EQ(road.messages.shown[0].offsetX, 200);
    EXPECT_EQ(road.messages.shown[0].offsetY, 100);
    EXPECT_EQ(road.state.online.pathAndName, before.online.pathAndName);
    EXPECT_EQ(road.state.online.serialNumber, "1200");
    EXPECT_EQ(road.state.xfornavn, "Kari");
    EXPECT_FALSE(fs::exists(road.dir.file("TPP.TMP")));
    EXPECT_EQ(road.serial(), 1234);
}

// Every way the writing can go wrong ends the same: the file written in this run is
// gone, no copy, the same serial number, a cleared status, nothing stored, one message.
TEST(MakeOnlineFile, AnyWriterErrorLeavesNothingBehind) {
    SKIP_ON_REAL_DRIVES();
    const struct {
        const char* what;
        std::function<void(Road&)> arrange;
        std::string message;  // shown before the closing message; empty for none
    } cases[] = {
        {"writer reports a bad coupon line and writes on",
         [](Road& r) {
             r.hooks.writeOnlineFile = [&r](Messages& messages) {
                 WriteProgress silent;
                 const ConversionResult written = runOnlineConversion(
                     r.workspace, ConversionRequest{r.dir.file("TPP.TMP")}, messages, silent, [](int) {});
                 messages.inform("FEIL I SYSTEMKUPONGER I ONLINEFIL");
                 return written;
             };
         },
         "FEIL I SYSTEMKUPONGER I ONLINEFIL"},
        {"writer throws",
         [](Road& r) {
             r.hooks.writeOnlineFile = [](Messages&) -> ConversionResult {
                 throw IoError("Kan ikke skrive onlinefilen til C:\\NTFILE");
             };
         },
         "Kan ikke skrive onlinefilen til C:\\NTFILE"},
        {"writer writes the file, then fails",
         [](Road& r) {
             r.hooks.writeOnlineFile = [&r](Messages& messages) {
                 r.dir.write("c/NTFILE/" + kFileName, "half");
                 messages.inform("Disken er full");
                 return ConversionResult{ConversionOutcome::Failed, {}, {}, 0};
             };
         },
         "Disken er full"},
        {"file never appears",
         [](Road& r) {
             r.hooks.writeOnlineFile = [](Messages&) { return ConversionResult{ConversionOutcome::Written, {}, {}, 10}; };
         },
         ""},
        {"directory cannot be made", [](Road& r) { r.dir.write("c/NTFILE", "a file"); }, "Klarer ikke å gå til onlinekatalog"},
        {"no removable disk",
         [](Road& r) {
             r.answers.directory = "A:\\NTFILE";
             r.dir.write("a/NTFILE", "a file");
         },
         "Fant ingen flyttbar disk !"},
        {"rows file cannot be written",
         [](Road& r) {
             r.dir.write("TPP.TMP/x", "blocks the name");
         },
         "Fant ikke TPP.TMP, Kan ikke lage onlinefil"},
        {"serial number cannot be taken", [](Road& r) { r.dir.write("onlcopi/config.kvs.tmp/x", "blocks the rewrite"); },
         std::string(kSerialNotTakenMessage)},
        {"backup copy fails", [](Road& r) { r.dir.write("onlcopi/SE_1234.ntf.tmp/x", "blocks the copy"); }, ""},
        {"storing fails", [](Road& r) { r.dir.write("pul1lgr", "a file where the directory belongs"); },
         "Klarte ikke å lagre rekkene"},
        {"coupon type outside the selector", [](Road& r) { r.state.kupongtype = 3; }, "FEIL NR 1! Kan IKKE lage onlinfil"},
        {"no row price", [](Road& r) { r.state.comborekkepris = {"", ""}; }, "FEIL NR 2! Kan IKKE lage onlinfil"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Road road;
        road.state.online = {"C:\\NTFILE\\FORRIGE.NTF", "Dato 01.03.2009  Kl 10:00:00", "1200", "finner du her:", true};
        c.arrange(road);
        EXPECT_EQ(road.make().outcome, MakeOnlineOutcome::NotMade);

        const std::vector<std::string> shown = road.texts();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back(), kOnlineFileNotMadeMessage);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), std::string(kOnlineFileNotMadeMessage)), 1);
        if (!c.message.empty()) {
            EXPECT_THAT(shown, Contains(c.message));
        }
        EXPECT_THAT(shown, ::testing::Not(Contains("Intern lagring OK + Onlinefil OK")));

        EXPECT_TRUE(road.filesIn("c/NTFILE").empty());
        EXPECT_TRUE(road.filesIn("a/NTFILE").empty());
        EXPECT_EQ(road.filesIn("onlcopi"), std::vector<std::string>{"config.kvs"});
        EXPECT_EQ(road.serial(), 1234);
        EXPECT_TRUE(road.filesIn("pul1lgr").empty());
        EXPECT_FALSE(road.setting("OnlinefilDrive").found);
        const OnlineFileStatus& online = road.state.online;
        EXPECT_TRUE(online.pathAndName.empty() && online.date.empty() && online.serialNumber.empty() &&
                    online.availability.empty() && !online.infoPanelVisible);
        if (std::string(c.what) == "file never appears") {
            EXPECT_EQ(road.eventsHandled, 60);
        }
        if (std::string(c.what) == "backup copy fails") {
            EXPECT_THAT(shown, Contains(::testing::StartsWith("Klarte ikke å ta sikkerhetskopi av onlinefilen\r")));
        }
    }
}

// A second making in the same working directory waits for the first, then gives up
// without touching anything.
TEST(MakeOnlineFile, SecondMakingWhileOneRunsIsRefused) {
    Road road;
    std::vector<int> waits;
    road.hooks.settingsWait = [&waits](int ms) { waits.push_back(ms); };
    const WorkbenchState before = road.state;
    {
        const ExclusiveFileLock firstMaking(road.dir.file("ONLINEFIL.LCK"), LockOpen::CreateIfMissing);
        ASSERT_TRUE(firstMaking.locked());
        EXPECT_EQ(road.make().outcome, MakeOnlineOutcome::Refused);
    }
    EXPECT_EQ(waits, std::vector<int>(200, 100));
    EXPECT_EQ(road.texts(), std::vector<std::string>{std::string(kMakingBusyMessage)});
    EXPECT_EQ(road.state.xfornavn, before.xfornavn);
    EXPECT_FALSE(fs::exists(road.dir.file("TPP.TMP")));
    EXPECT_EQ(road.serial(), 1234);

    road.messages.shown.clear();
    EXPECT_EQ(road.make().outcome, MakeOnlineOutcome::Made);  // free again once the first is done
    EXPECT_EQ(road.serial(), 1235);
}

#ifndef _WIN32
// A working directory whose file system cannot lock is said at once, not waited on as busy.
TEST(MakeOnlineFile, AFileSystemWithoutLocksIsToldAtOnce) {
    Road road;
    std::vector<int> waits;
    road.hooks.settingsWait = [&waits](int ms) { waits.push_back(ms); };
    simulateLockError(ENOLCK);
    const MakeOnlineOutcome outcome = road.make().outcome;
    simulateLockError(std::nullopt);
    EXPECT_EQ(outcome, MakeOnlineOutcome::Refused);
    EXPECT_EQ(waits, std::vector<int>{});
    EXPECT_EQ(road.texts(), std::vector<std::string>{notLockableText(road.dir.file("ONLINEFIL.LCK"),
                                                                     std::strerror(ENOLCK)) +
                                                     "\rOnlinefilen er ikke laget."});
    EXPECT_FALSE(fs::exists(road.dir.file("TPP.TMP")));
    EXPECT_EQ(road.serial(), 1234);
}
#endif

// A line break typed into the name must not shift the stored syndicate's lines.
TEST(MakeOnlineFile, LineBreakInTheNameKeepsTheStoredSyndicateWhole) {
    Road road;
    road.answers.name = "Kari\rX Nordmann";
    ASSERT_EQ(road.make().outcome, MakeOnlineOutcome::Made) << ::testing::PrintToString(road.texts());
    WorkbenchState loaded = initialWorkbenchState();
    RecordingMessages loadMessages;
    ASSERT_TRUE(loadStoredRows(loaded, road.dir.file("pul1lgr"), "DATO-07032009-090503.TXT", loadMessages,
                               [](const std::string&) { return true; })
                    .loaded);
    EXPECT_TRUE(loadMessages.shown.empty());
    EXPECT_EQ(loaded.xfornavn, "Kari X");
    EXPECT_EQ(loaded.spillenummer, "123 456 789");
    EXPECT_EQ(loaded.online.serialNumber, "1234");
    EXPECT_EQ(loaded.couponGrid.at(3, 1), road.state.couponGrid.at(3, 1));
}

TEST(MakeOnlineFile, SubmissionCarriesTheDialogAndTheGrid) {
    WorkbenchState state = syndicate();
    state.pauseordiner = 2;
    state.kupongtype = 1;
    state.comborekkepris = {"  2", " 1"};
    std::vector<std::string> problems;
    const Submission s = submissionOf(state, {"x", "y", "B:\\NTFILE", "20", "10"}, "4321", problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(s.navn, "Kari Nordmann");
    EXPECT_EQ(s.spillenummer, "123456789");
    EXPECT_EQ(s.kupongtype, "SØNDAG");
    EXPECT_EQ(s.pause, "BEGGE");
    EXPECT_EQ(s.rekkepris, "2");
    EXPECT_EQ(s.gangefelt, "20");
    EXPECT_EQ(s.antallUker, "10");
    EXPECT_EQ(s.onlineDirectory, "B:\\NTFILE");
    EXPECT_EQ(s.fridisposisjonHeader, "4321");
    ASSERT_EQ(s.systemCoupons.size(), 9u);
    EXPECT_EQ(couponFileLine(s.systemCoupons[0]), "0324 446677774444");
    EXPECT_EQ(couponFileLine(s.systemCoupons[8]), "0324 446677771124");
}

}  // namespace
}  // namespace andel::test
