#include "printing/certificate_command.h"

#include "printing_fixture.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

class CertificateCommandTest : public ::testing::Test {
protected:
    bool begin(WorkbenchState& state) {
        state.commandPanelVisible = true;
        return beginCertificates(state, messages, [this] { ++onlineFileCommands; });
    }
    test::RecordingMessages messages;
    int onlineFileCommands = 0;
};

TEST_F(CertificateCommandTest, AnUnregisteredPlayerIsRefused) {
    WorkbenchState state = test::printableState();
    state.spillenummer = "UREGISTRERT";
    EXPECT_FALSE(begin(state));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Du kan ikke lage Andelsbrev\rsom uregistrert spiller");
    EXPECT_EQ(messages.shown[0].placement, MessagePlacement::NearMousePointer);
    EXPECT_EQ(messages.shown[0].offsetX, -100);
    EXPECT_EQ(messages.shown[0].offsetY, -50);
    EXPECT_EQ(onlineFileCommands, 0);
    EXPECT_FALSE(state.commandPanelVisible);
}

TEST_F(CertificateCommandTest, WithoutAnOnlineFileTheOnlineFileCommandStarts) {
    WorkbenchState state = test::printableState();
    state.online = {};
    EXPECT_FALSE(begin(state));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Du må først lage onlinefil");
    EXPECT_EQ(messages.shown[0].placement, MessagePlacement::FromMainWindowTopMiddle);
    EXPECT_EQ(messages.shown[0].offsetX, -50);
    EXPECT_EQ(messages.shown[0].offsetY, 200);
    EXPECT_EQ(onlineFileCommands, 1);
}

TEST_F(CertificateCommandTest, TheOnlineFileIsShownSplit) {
    WorkbenchState state = test::printableState();
    EXPECT_TRUE(begin(state));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.previewDirectory, "C:\\NTFILE");
    EXPECT_EQ(state.previewFileName, "KRYSSEN_1042.NTF");
    EXPECT_FALSE(state.commandPanelVisible);
}

TEST_F(CertificateCommandTest, StoredChoicesWithDefaultsForMissingAndStrayValues) {
    test::TempDir dir;
    SettingsStore settings(dir.file("config.kvs"), messages, [](int) {});
    EXPECT_EQ(storedPrintChoices(settings), (PrintChoices{16, 0, false}));

    storePrintChoices(settings, PrintChoices{5, 1, true});
    EXPECT_EQ(settings.getString("VENSTREMARGKRYSSBALLEN").value, "5");
    EXPECT_EQ(settings.getString("TEGNJUSTERINGKRYSSBALLEN").value, "1");
    EXPECT_EQ(storedPrintChoices(settings), (PrintChoices{5, 1, false}));

    const std::pair<const char*, const char*> stray[] = {{"21", "2"}, {"-1", "-1"}, {"tjue", "en"}};
    for (const auto& [margin, adjustment] : stray) {
        dir.write("config.kvs", std::string("VENSTREMARGKRYSSBALLEN=") + margin +
                                    "\r\nTEGNJUSTERINGKRYSSBALLEN=" + adjustment + "\r\n");
        EXPECT_EQ(storedPrintChoices(settings), (PrintChoices{16, 0, false})) << margin;
    }
}

}  // namespace
}  // namespace andel
