#include "workbench/startup.h"

#include "platform/io_error.h"
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

}  // namespace
}  // namespace andel
