#include "online/online_dialog_fields.h"
#include "online/online_file_name.h"
#include "online/online_file_wait.h"
#include "platform/file_time.h"

#include "storage/storage_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

TEST(OnlineFileName, PlayerPartIsAPlainFileName) {
    const struct {
        std::string name;
        std::string expected;
    } cases[] = {
        {"Åse Ødegård", "ASE_ODEGARD"},
        {"æsel Ærlig", "ESEL_ERLIG"},
        {"Li", "LIAAA"},
        {"", "AAAAA"},
        {"      ", "AAAAA"},
        {"  Ola   Nordmann  ", "OLA___NORDMANN"},
        {"!?*./\\:<>|\"", "AAAAA"},
        {"../../etc/passwd", "ETCPASSWD"},
        {"C:\\NTFILE\\X", "CNTFILEX"},
        {"Zoë-Lee O'Brien 2", "ZO-LEE_OBRIEN_2"},
        {"Łukasz Żółw", "UKASZ_W"},
        {"张伟", "AAAAA"},
        {std::string("a\tb\r\nc\0d", 8), "ABCDA"},
    };
    for (const auto& c : cases) EXPECT_EQ(onlineFilePlayerName(c.name), c.expected) << c.name;

    const std::string long_name = onlineFilePlayerName(std::string(300, 'x'));
    EXPECT_EQ(long_name, std::string(kMaxFileNamePlayer, 'X'));
}

TEST(OnlineFileName, WholeNameCarriesRowsNameAndMoment) {
    EXPECT_EQ(onlineFileName("1234", "Åse Ødegård", savedAt(2009, 3, 7, 9, 5, 3)),
              "KRYSSEN_1234_Rekker_ASE_ODEGARD_Dato_07-03-2009_KL_09-05-03.NTF");
    EXPECT_EQ(onlineFileName("2.916", "", savedAt(2010, 12, 31, 23, 59, 0)),
              "KRYSSEN_2.916_Rekker_AAAAA_Dato_31-12-2010_KL_23-59-00.NTF");
    const std::string longest = onlineFileName("2.916", std::string(300, '#') + std::string(300, 'a'), savedAt(2009, 3, 7, 9, 5, 3));
    EXPECT_LT(longest.size(), 255u);
    EXPECT_EQ(longest.find_first_of("/\\:"), std::string::npos);
}

TEST(OnlineFileName, SplitNameByWordCount) {
    const struct {
        const char* full;
        const char* first;
        const char* last;
    } cases[] = {
        {"", "Ukjentfornavn", "Ukjent etternavn"},
        {"   ", "Ukjentfornavn", "Ukjent etternavn"},
        {"Li", "", "Li"},
        {"  Kari   Nordmann ", "Kari", "Nordmann"},
        {"Anne Marie Olsen", "Anne Marie", "Olsen"},
        {"a b c d", "a b", "c d"},
        {"a b c d e", "a b", "c d e"},
        {"a b c d e f", "a b c", "d e f"},
        {"a b c d e f g", "a b c", "d e f g"},
        {"a b c d e f g h", "a b c d", "e f g h"},
    };
    for (const auto& c : cases) {
        const SplitName name = splitPlayerName(c.full);
        EXPECT_EQ(name.firstName, c.first) << c.full;
        EXPECT_EQ(name.lastName, c.last) << c.full;
    }
}

TEST(OnlineFileName, DateTextOfTheFilesLastChange) {
    TempDir dir;
    dir.write("X.NTF", "x");
    // Ninety minutes before 00:30 on 7 March is the evening before.
    std::filesystem::last_write_time(dir.file("X.NTF"),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::minutes(90));
    const auto changed = fileChangedAt(dir.file("X.NTF"), savedAt(2009, 3, 7, 0, 30, 0));
    ASSERT_TRUE(changed);
    const std::string text = onlineFileDateText(changed);
    EXPECT_TRUE(text == "Dato 06.03.2009  Kl 23:00:00" || text == "Dato 06.03.2009  Kl 22:59:59") << text;
    EXPECT_EQ(onlineFileDateText(fileChangedAt(dir.file("MISSING.NTF"))), "00.00.0000.00.00.00");
    EXPECT_EQ(onlineFileDateText(fileChangedAt(dir.path())), "00.00.0000.00.00.00");
}

TEST(OnlineDialogFields, DirectoryChoicesAndTheirDefault) {
    const auto& choices = onlineDirectoryChoices();
    ASSERT_EQ(choices.size(), 26u);
    EXPECT_EQ(choices[0], "A:\\NTFILE");
    EXPECT_EQ(choices[1], "C:\\NTFILE");
    EXPECT_EQ(choices[2], "B:\\NTFILE");
    EXPECT_EQ(choices[3], "D:\\NTFILE");
    EXPECT_EQ(choices[25], "Z:\\NTFILE");
    const std::pair<SettingValue, const char*> cases[] = {
        {{"", false}, "C:\\NTFILE"},   {{"A", true}, "A:\\NTFILE"}, {{"d", true}, "D:\\NTFILE"},
        {{"Zebra", true}, "Z:\\NTFILE"}, {{"7", true}, "C:\\NTFILE"}, {{"Ø", true}, "C:\\NTFILE"},
    };
    for (const auto& [setting, expected] : cases) EXPECT_EQ(defaultOnlineDirectory(setting), expected) << setting.value;
}

TEST(OnlineDialogFields, FillFollowsTheMainWindow) {
    WorkbenchState state = syndicate();
    state.kupongtype = 2;
    state.pauseordiner = 1;
    const OnlineDialogFill fill = onlineDialogFill(state, {"B", true});
    EXPECT_EQ(fill.answers.name, "Kari Nordmann");
    EXPECT_EQ(fill.answers.playerNumber, "123 456 789");
    EXPECT_EQ(fill.answers.directory, "B:\\NTFILE");
    EXPECT_EQ(fill.answers.multiplier, "1");
    EXPECT_EQ(fill.answers.weeks, "1");
    EXPECT_EQ(fill.couponType, "MIDTUKE-TIPPING");
    EXPECT_EQ(fill.timeBasis, "PAUSE");
    EXPECT_EQ(fill.rows, "2.916");
    EXPECT_EQ(fill.coupons, "9");
    EXPECT_EQ(couponTypeCaption(0), "LØRDAGS-TIPPING");
    EXPECT_EQ(couponTypeCaption(1), "SØNDAGS-TIPPING");
    EXPECT_EQ(couponTypeCaption(3), "");
}

TEST(OnlineFileWait, GivesUpAfterTheLimitAndStopsAsSoonAsTheFileIsThere) {
    TempDir dir;
    std::int64_t clock = 0;
    int handled = 0;
    FileWait wait;
    wait.ticks = [&] { return clock; };
    wait.handleEvents = [&] {
        ++handled;
        clock += 250;
        if (handled == 3) dir.write("late.NTF", "x");
    };
    EXPECT_TRUE(waitForFile(dir.file("late.NTF"), wait));
    EXPECT_EQ(handled, 3);

    handled = 0;
    clock = 1'000'000;
    EXPECT_FALSE(waitForFile(dir.file("never.NTF"), wait));
    EXPECT_EQ(handled, 6000 / 250);
}

}  // namespace
}  // namespace andel::test
