#include "platform/guarded.h"

#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace andel {
namespace {

// Whatever a handler throws is shown once and stops at the guard.
TEST(GuardedTest, FailuresBecomeOneMessage) {
    struct Case {
        const char* name;
        std::function<void()> handler;
        std::string message;
    } cases[] = {
        {"checked file error", [] { throw IoError("Kan ikke opprette katalogen X"); }, "Kan ikke opprette katalogen X"},
        {"file system error",
         [] {
             throw std::filesystem::filesystem_error("cannot create directory", std::filesystem::path("/x"),
                                                     std::make_error_code(std::errc::not_a_directory));
         },
         "Feil ved lesing eller skriving:\r"},
        {"anything else", [] { throw 42; }, kUnexpectedFailureText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingMessages messages;
        EXPECT_FALSE(runGuarded(messages, c.handler));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text.rfind(c.message, 0), 0u) << messages.shown[0].text;
    }
    test::RecordingMessages quiet;
    int ran = 0;
    EXPECT_TRUE(runGuarded(quiet, [&] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(quiet.shown.empty());
}

}  // namespace
}  // namespace andel
