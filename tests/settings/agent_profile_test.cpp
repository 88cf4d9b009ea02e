#include "settings/agent_profile.h"

#include "platform/io_error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace andel::test {
namespace {

class AgentProfileTest : public ::testing::Test {
protected:
    // A record as the main program writes it: junk after each text, not zeros.
    static std::string record() { return std::string(kAgentProfileBytes, '#'); }
    static void put(std::string& record, std::size_t offset, unsigned char length,
                    const std::string& bytes) {
        record[offset] = static_cast<char>(length);
        record.replace(offset + 1, bytes.size(), bytes);
    }

    TempDir dir;
    Workspace workspace{dir.path()};
};

TEST_F(AgentProfileTest, MissingFileGivesTheDefaults) {
    const AgentProfileRead read = readAgentProfile(workspace);
    EXPECT_FALSE(read.found);
    EXPECT_EQ(read.profile.companyName, "FIRMANAVN");
    EXPECT_EQ(read.profile.slogan, "NORGES BESTE TIPPEKOMMISJONÆR");
    EXPECT_EQ(read.profile.agentNumber, "BG 000 000 000");
    EXPECT_EQ(read.profile.fax, "00 00 00 00");
}

TEST_F(AgentProfileTest, ReadsEveryFieldAtItsOffset) {
    std::string bytes = record();
    put(bytes, 0, 13, "Tippesj\xe5" "ef AS");
    put(bytes, 81, 9, "Storgata ");
    put(bytes, 162, 9, "0155 Oslo");
    put(bytes, 243, 0, "");
    put(bytes, 324, 14, "BG 1234 56 789");
    put(bytes, 405, 8, "22334455");
    put(bytes, 446, 8, "22334456");
    dir.write("kommlogo.KVS", bytes + "extra bytes after the record");

    const AgentProfileRead read = readAgentProfile(workspace);
    EXPECT_TRUE(read.found);
    AgentProfile expected;
    expected.companyName = "Tippesjåef AS";
    expected.streetAddress = "Storgata ";
    expected.postalAddress = "0155 Oslo";
    expected.slogan = "";
    expected.agentNumber = "BG 1234 56 789";
    expected.telephone = "22334455";
    expected.fax = "22334456";
    EXPECT_EQ(read.profile, expected);
}

TEST_F(AgentProfileTest, LengthBeyondCapacityIsCutToTheField) {
    std::string bytes = record();
    put(bytes, 0, 255, std::string(80, 'A'));
    put(bytes, 446, 255, std::string(40, 'F'));  // the last field ends the record
    dir.write("kommlogo.KVS", bytes);
    const AgentProfile profile = readAgentProfile(workspace).profile;
    EXPECT_EQ(profile.companyName, std::string(80, 'A'));
    EXPECT_EQ(profile.fax, std::string(40, 'F'));
}

TEST_F(AgentProfileTest, ShortFileIsAReadError) {
    for (std::size_t size : {std::size_t{0}, kAgentProfileBytes - 1}) {
        SCOPED_TRACE(size);
        dir.write("kommlogo.KVS", std::string(size, '\0'));
        try {
            readAgentProfile(workspace);
            ADD_FAILURE() << "no error";
        } catch (const IoError& error) {
            EXPECT_NE(std::string(error.what()).find("for kort (" + std::to_string(size) + " byte"),
                      std::string::npos)
                << error.what();
        }
    }
}

TEST_F(AgentProfileTest, WrittenRecordReadsBackAndCutsLongTexts) {
    AgentProfile profile;
    profile.companyName = "Ærlige Øystein og Åse";
    profile.slogan = std::string(90, 's');
    profile.telephone = "€ " + std::string(50, '9');
    writeAgentProfile(workspace, profile);

    const std::string bytes = dir.read("kommlogo.KVS");
    ASSERT_EQ(bytes.size(), kAgentProfileBytes);
    EXPECT_EQ(bytes.substr(0, 22), "\x15\xc6rlige \xd8ystein og \xc5se");
    EXPECT_EQ(bytes.substr(22, 81 - 22), std::string(81 - 22, '\0'));
    EXPECT_EQ(static_cast<unsigned char>(bytes[243]), 80);
    EXPECT_EQ(bytes.substr(405, 3), "\x28\x80 ");  // length 40, the euro sign one byte

    AgentProfile expected = profile;
    expected.slogan.resize(80);
    expected.telephone = "€ " + std::string(38, '9');
    const AgentProfileRead read = readAgentProfile(workspace);
    EXPECT_TRUE(read.found);
    EXPECT_EQ(read.profile, expected);
}

}  // namespace
}  // namespace andel::test
