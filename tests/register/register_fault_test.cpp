// WTOM.KVS under a writer killed at any moment of an append or a delete, and under a disk
// that fills up: always the register before the step or the one after it.
#include "register/register_file.h"
#include "register_fixture.h"
#include "support/recording_messages.h"
#include "support/rewrite_faults.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

using test::customer;

// 500 customers and a partial record; version 1 has one more customer before the tail.
class RegisterFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string before;
        for (int i = 0; i < 500; ++i) before += encodeKunderec(customer("Kunde", "Nummer" + std::to_string(i), i));
        dir.write("WTOM.KVS", before + "\x04" "half");
    }

    test::Rewrite rewrite() {
        return {.write = [this](int version) {
                    test::RecordingMessages messages;
                    const bool hasExtra = readCustomers(workspace).size() > 500;
                    bool written = true;
                    if (version == 1 && !hasExtra) written = appendCustomer(workspace, extra, messages);
                    if (version == 0 && hasExtra) written = deleteCustomer(workspace, extra, messages);
                    return test::WriteOutcome{written, messages.shown.empty() ? "" : messages.shown[0].text};
                },
                .read = [this] { return dir.read("WTOM.KVS"); }};
    }

    test::TempDir dir;
    const Workspace workspace{dir.path()};
    const Tkunderec extra = customer("Ekstra", "Kunde", 999999999, 1, 2, 2003);
};

#ifndef _WIN32
TEST_F(RegisterFaultTest, KilledWriterLeavesTheOldOrTheNewRegister) {
    test::expectKilledWriterLeavesWholeFile(rewrite(), 40, 20090307);
}
#endif

TEST_F(RegisterFaultTest, FullDiskLeavesTheOldRegister) {
    test::expectFullDiskLeavesOldFile(rewrite());
    EXPECT_FALSE(std::filesystem::exists(dir.file("TMP.KVS")));
}

}  // namespace
}  // namespace andel
