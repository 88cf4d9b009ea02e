#include "register/register_file.h"

#include "platform/file_io.h"
#include "register_fixture.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace andel {
namespace {

using test::customer;

class RegisterFile : public ::testing::Test {
protected:
    std::string wtom() const { return dir.read("WTOM.KVS"); }
    test::TempDir dir;
    Workspace workspace{dir.path()};
    test::RecordingMessages messages;
};

TEST_F(RegisterFile, MissingFileIsEmptyAndTheFirstAppendCreatesIt) {
    EXPECT_TRUE(readCustomers(workspace).empty());
    EXPECT_FALSE(registerStamp(workspace));
    ASSERT_TRUE(appendCustomer(workspace, customer("Kari", "Nordmann", 1), messages));
    EXPECT_EQ(wtom(), test::registerBytes({customer("Kari", "Nordmann", 1)}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("TMP.KVS")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RegisterFile, FileNameIsFoundWithoutRegardToCase) {
    dir.write("Wtom.kvs", test::registerBytes({customer("Ola", "Hansen")}));
    ASSERT_EQ(readCustomers(workspace).size(), 1u);
    ASSERT_TRUE(appendCustomer(workspace, customer("Kari", "Nordmann"), messages));
    EXPECT_EQ(dir.read("Wtom.kvs").size(), 2 * kKunderecSize);
    // By the names in the directory: on Windows "WTOM.KVS" opens "Wtom.kvs" too.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(pathText(entry.path().filename()));
    }
    EXPECT_EQ(names, std::vector<std::string>{"Wtom.kvs"});
}

TEST_F(RegisterFile, RewritesKeepAPartialRecordUntouchedAtTheEnd) {
    const std::string tail = "\x05Halv\x01\x02";
    test::writeRegister(dir, {customer("A", "En"), customer("B", "To")}, tail);
    EXPECT_EQ(readCustomers(workspace).size(), 2u);

    ASSERT_TRUE(appendCustomer(workspace, customer("C", "Tre"), messages));
    EXPECT_EQ(wtom(), test::registerBytes({customer("A", "En"), customer("B", "To"), customer("C", "Tre")}, tail));
    ASSERT_TRUE(deleteCustomer(workspace, customer("a ", " EN"), messages));
    EXPECT_EQ(wtom(), test::registerBytes({customer("B", "To"), customer("C", "Tre")}, tail));
    ASSERT_TRUE(replaceCustomer(workspace, customer("B", "To"), customer("B", "Toe"), messages));
    EXPECT_EQ(wtom(), test::registerBytes({customer("C", "Tre"), customer("B", "Toe")}, tail));
}

TEST_F(RegisterFile, DeleteMatchesNamesNumberDateAndPhonesOnly) {
    Tkunderec first = customer("Ola", "Hansen", 0, 1, 2, 2003);
    Tkunderec second = first;
    second.telephone1 = 22001122;  // differs only in the telephone
    Tkunderec withInfo = first;
    withInfo.otherInfo = "ikke sammenlignet";
    test::writeRegister(dir, {first, second});
    ASSERT_TRUE(deleteCustomer(workspace, withInfo, messages));
    EXPECT_EQ(wtom(), test::registerBytes({second}));
}

TEST_F(RegisterFile, NumbersWiderThanTheirCellsStillMatchTheRowShowingThem) {
    Tkunderec wide = customer("Ola", "Hansen", 1234567890u);
    wide.telephone1 = 987654321;
    test::writeRegister(dir, {wide, customer("Kari", "Nordmann", 5)});
    Tkunderec asShown = customer("Ola", "Hansen", 123456789);
    asShown.telephone1 = 98765432;
    ASSERT_TRUE(deleteCustomer(workspace, asShown, messages));
    EXPECT_EQ(wtom(), test::registerBytes({customer("Kari", "Nordmann", 5)}));
}

TEST_F(RegisterFile, FailedRewriteLeavesTheRegisterAsItWasAndSaysSo) {
    test::writeRegister(dir, {customer("A", "En"), customer("B", "To")}, "xyz");
    const std::string before = wtom();
    for (const char* temporary : {"TMP.KVS", "QTMP.TMP"}) {
        std::filesystem::create_directories(dir.file(temporary) / "blokkert");  // cannot be written
    }
    EXPECT_FALSE(appendCustomer(workspace, customer("C", "Tre"), messages));
    EXPECT_FALSE(deleteCustomer(workspace, customer("A", "En"), messages));
    EXPECT_FALSE(replaceCustomer(workspace, customer("A", "En"), customer("A", "Ny"), messages));
    EXPECT_EQ(wtom(), before);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_NE(messages.shown[0].text.find("WTOM.KVS er ikke endret."), std::string::npos);
}

TEST_F(RegisterFile, GarbageReadsAsWholeRecordsWithoutCrashing) {
    std::string junk;
    for (int i = 0; i < 1000; ++i) junk += static_cast<char>((i * 37 + 11) & 0xFF);
    dir.write("WTOM.KVS", junk);
    EXPECT_EQ(readCustomers(workspace).size(), 1000 / kKunderecSize);
    ASSERT_TRUE(appendCustomer(workspace, customer("Kari", "Nordmann"), messages));
    const std::string after = wtom();
    const std::size_t whole = (1000 / kKunderecSize) * kKunderecSize;
    EXPECT_EQ(after.substr(0, whole), junk.substr(0, whole));
    EXPECT_EQ(after.substr(after.size() - (1000 - whole)), junk.substr(whole));
}

}  // namespace
}  // namespace andel
