#include "workbench/startup.h"

#include "model/pricing.h"
#include "platform/io_error.h"
#include "support/recording_messages.h"
#include "workbench/recompute.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

TEST(StartupTest, AgentLinesFromTheIdentityFileOrItsDefaults) {
    test::TempDir dir;
    const Workspace workspace(dir.path());
    WorkbenchState state;

    loadAgentProfile(state, workspace);  // no kommlogo.KVS
    EXPECT_EQ(state.agentLine1, "FIRMANAVN, FIRMA ADRESSE, POSTADRESSE");
    EXPECT_EQ(state.agentLine2, "Telefon 00 00 00 00, Telefax 00 00 00 00, ");

    AgentProfile agent;
    agent.companyName = "  Bryggen Tipp  ";
    agent.streetAddress = "Strandkaien 14 ";
    agent.postalAddress = "5013 Bergen";
    agent.telephone = " 55 31 42 07";
    agent.fax = "55 31 42 08";
    writeAgentProfile(workspace, agent);
    loadAgentProfile(state, workspace);
    EXPECT_EQ(state.agentLine1, "Bryggen Tipp, Strandkaien 14, 5013 Bergen");
    EXPECT_EQ(state.agentLine2, "Telefon 55 31 42 07, Telefax 55 31 42 08, ");
}

TEST(StartupTest, ShortIdentityFileIsAReadErrorThatLeavesTheDefaultsShown) {
    test::TempDir dir;
    dir.write("kommlogo.KVS", std::string(100, '\x05'));
    WorkbenchState state;
    state.agentLine1 = "from an earlier step";
    EXPECT_THROW(loadAgentProfile(state, Workspace(dir.path())), IoError);
    EXPECT_EQ(state.agentLine1, "FIRMANAVN, FIRMA ADRESSE, POSTADRESSE");
}

TEST(StartupTest, MidweekRowPriceFromTheSettingsPricesTheMidweekCoupon) {
    test::TempDir dir;
    test::RecordingMessages messages;
    WorkbenchState state = initialWorkbenchState();
    const SettingsStore settings = mainStore(Workspace(dir.path()), messages);

    loadMidweekRowPrice(state, settings);  // no config.kvs
    EXPECT_EQ(state.comborekkepris, (std::vector<std::string>{"  1", "  1"}));

    dir.write("config.kvs", "REKKEPRIS_MIDTUKE= 2 \r\n");
    loadMidweekRowPrice(state, settings);
    EXPECT_EQ(state.comborekkepris, (std::vector<std::string>{"  1", "  2"}));

    state.comborekkeprisIndex = rowPriceItem(CouponType::Midweek);
    recomputePrice(state);
    EXPECT_EQ(state.panelinnsatstotalt, "5.832");
    state.comborekkeprisIndex = rowPriceItem(CouponType::Sunday);
    recomputePrice(state);
    EXPECT_EQ(state.panelinnsatstotalt, "2.916");
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace andel
