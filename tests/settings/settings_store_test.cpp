#include "store_fixture.h"

#include <string>
#include <vector>

namespace andel::test {
namespace {

using SettingsStoreTest = StoreTest;

struct ReadCase {
    const char* what;
    std::string file;  // Windows-1252 bytes
    std::string key;
    std::string value;
    bool found;
};

TEST_F(SettingsStoreTest, ReadsTheFirstMatchingLine) {
    const ReadCase cases[] = {
        {"key case ignored", "A=1\r\nfornavn=Kari\r\n", "FORNAVN", "Kari", true},
        {"asked in lower case", "FORNAVN=Kari\r\n", "Fornavn", "Kari", true},
        {"æøå fold", "\xe6\xf8\xe5_N\xf8KKEL=ja\r\n", "ÆØÅ_nøkkel", "ja", true},
        {"value after the last =", "TIPPERNUMMER=12=34\r\n", "TIPPERNUMMER", "34", true},
        {"first line wins", "FORNAVN=Kari\r\nFORNAVN=Per\r\n", "FORNAVN", "Kari", true},
        {"blanks trimmed", "FORNAVN=  Kari Nordmann  \r\n", "FORNAVN", "Kari Nordmann", true},
        {"single blank is empty", "FORNAVN= \r\n", "FORNAVN", "", false},
        {"missing key", "ETTERNAVN=Nordmann\r\n", "FORNAVN", "", false},
        {"line without = never matches", "FORNAVN\r\nFORNAVN=Kari\r\n", "FORNAVN", "Kari", true},
        {"longer key is another key", "FORNAVN2=Per\r\nFORNAVN=Kari\r\n", "FORNAVN", "Kari", true},
        {"value decoded", "ETTERNAVN=Sk\xe5r\r\n", "ETTERNAVN", "Skår", true},
        {"LF ends, no final newline", "A=1\nFORNAVN=Kari", "FORNAVN", "Kari", true},
        {"empty file", "", "FORNAVN", "", false},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("config.kvs", c.file);
        const SettingValue got = store.getString(c.key);
        EXPECT_EQ(got.value, c.value);
        EXPECT_EQ(got.found, c.found);
    }
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsStoreTest, MissingFileIsNotFoundAtOnce) {
    EXPECT_FALSE(store.getString("FORNAVN").found);
    EXPECT_FALSE(store.quickGet("FORNAVN").found);
    EXPECT_EQ(store.getInt("VENSTREMARGKRYSSBALLEN", 16), 16);
    EXPECT_EQ(store.getText(kFornavn), "Tippe");
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(storeFile()));
}

TEST_F(SettingsStoreTest, SetStringCreatesAMissingFileWithOneLine) {
    EXPECT_TRUE(store.setString("ETTERNAVN", "Skår"));
    EXPECT_EQ(dir.read("config.kvs"), "ETTERNAVN=Sk\xe5r\r\n");
    EXPECT_EQ(store.getString("etternavn").value, "Skår");
}

TEST_F(SettingsStoreTest, SetStringReplacesEveryMatchingLineInPlace) {
    dir.write("config.kvs", "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\nfornavn=Per\r\n");
    EXPECT_TRUE(store.setString("  Fornavn ", " Ola "));
    EXPECT_EQ(dir.read("config.kvs"), "Fornavn=Ola\r\nETTERNAVN=Nordmann\r\nFornavn=Ola\r\n");
    EXPECT_TRUE(waits.empty());  // our own lock is never taken for another program's
    EXPECT_FALSE(isFileBusy(storeFile()));
    EXPECT_FALSE(std::filesystem::exists(dir.file("config.kvs.tmp")));
}

TEST_F(SettingsStoreTest, SetStringAppendsAMissingKeyLast) {
    dir.write("config.kvs", "B=2\r\nA=1\r\n");
    EXPECT_TRUE(store.setString("ÆRE", "3"));
    EXPECT_EQ(dir.read("config.kvs"), "B=2\r\nA=1\r\n\xc6RE=3\r\n");
    EXPECT_TRUE(store.setString("Ære", "4"));  // folded æ matches Æ
    EXPECT_EQ(dir.read("config.kvs"), "B=2\r\nA=1\r\n\xc6re=4\r\n");
}

TEST_F(SettingsStoreTest, SetStringRefusesTextThatCannotBeReadBack) {
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"FORNAVN", "Kari=Per"},
        {"FOR=NAVN", "Kari"},
        {"FORNAVN", "Kari\r\nTIPPERNUMMER=1"},
        {"FOR\nNAVN", "Kari"},
        {"   ", "Kari"},
    };
    const std::string before = "FORNAVN=Kari\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        dir.write("config.kvs", before);
        EXPECT_FALSE(store.setString(c.key, c.value));
        EXPECT_EQ(dir.read("config.kvs"), before);
    }
    std::filesystem::remove(storeFile());
    EXPECT_FALSE(store.setString("FORNAVN", "a=b"));
    EXPECT_FALSE(std::filesystem::exists(storeFile()));
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(messages.shown.empty());
}

// The file is read line by line: a value must stay on its line.
TEST_F(SettingsStoreTest, LineBreakInAValueBecomesABlank) {
    dir.write("config.kvs", "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\n");
    EXPECT_TRUE(store.setString("FORNAVN", "Kari\rX\nTIPPERNUMMER"));
    EXPECT_EQ(dir.read("config.kvs"), "FORNAVN=Kari X TIPPERNUMMER\r\nETTERNAVN=Nordmann\r\n");
    EXPECT_FALSE(store.getString("TIPPERNUMMER").found);
}

TEST_F(SettingsStoreTest, IntegersIgnoreEveryBlankAndFallBackOnNonNumbers) {
    const struct {
        const char* stored;
        int expected;
    } cases[] = {
        {"16", 16}, {" 1 2 ", 12}, {"-5", -5}, {"", 7}, {"abc", 7}, {"12abc", 7},
        {"99999999999", 7}, {"0x10", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        dir.write("config.kvs", std::string("VENSTREMARGKRYSSBALLEN=") + c.stored + "\r\n");
        EXPECT_EQ(store.getInt("VENSTREMARGKRYSSBALLEN", 7), c.expected);
    }
    EXPECT_TRUE(store.setInt("VENSTREMARGKRYSSBALLEN", -12));
    EXPECT_EQ(dir.read("config.kvs"), "VENSTREMARGKRYSSBALLEN=-12\r\n");
    EXPECT_EQ(store.getInt(kVenstremargKryssballen), -12);
}

TEST_F(SettingsStoreTest, TextFallsBackOnlyWhenMissingOrEmpty) {
    dir.write("config.kvs", "FORNAVN=Kari\r\nETTERNAVN=\r\n");
    EXPECT_EQ(store.getText(kFornavn), "Kari");
    EXPECT_EQ(store.getText(kEtternavn), "Vinnesen");
    EXPECT_EQ(store.getText(kTippernummer), "000000000");
}

TEST_F(SettingsStoreTest, QuickGetMatchesTheLineStartWithoutWaiting) {
    dir.write("config.kvs", "X=1\r\nspillidoddsenX= OD \r\nSPILLIDODDSEN=ZZ\r\n");
    const ExclusiveFileLock otherProgram(storeFile());
    ASSERT_TRUE(otherProgram.locked());
    const SettingValue got = store.quickGet("SpillIdOddsen");
    EXPECT_EQ(got.value, "OD");
    EXPECT_TRUE(got.found);
    EXPECT_FALSE(store.quickGet("SPILLIDODDSENX2").found);
    EXPECT_TRUE(waits.empty());
}

// Lines of every kind the other programs might leave, with mixed line ends.
TEST_F(SettingsStoreTest, JunkLinesSurviveReadAndRewrite) {
    const std::string longValue(100 * 1024, 'v');
    const std::vector<std::string> lines = {
        "no equals here",
        "",
        "LONG=" + longValue,
        std::string("\0\x81\xff junk=\x01\x02\x90", 12),
        "FORNAVN=Kari",
        std::string(100 * 1024, 'x'),
        "\xe6\xf8\xe5=siste",
    };
    std::string file;
    std::string expected;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        file += lines[i] + (i % 2 ? "\n" : "\r\n");
        expected += (lines[i] == "FORNAVN=Kari" ? "FORNAVN=Per" : lines[i]) + "\r\n";
    }
    file.resize(file.size() - 2);  // the last line without a line end
    dir.write("config.kvs", file);

    EXPECT_EQ(store.getString("LONG").value, longValue);
    EXPECT_EQ(store.getString("ÆØÅ").value, "siste");
    EXPECT_EQ(store.quickGet("FORNAVN").value, "Kari");
    EXPECT_TRUE(store.setString("FORNAVN", "Per"));
    EXPECT_EQ(dir.read("config.kvs"), expected);
    EXPECT_EQ(store.getString("FORNAVN").value, "Per");
}

TEST_F(SettingsStoreTest, MainStoreIsConfigKvsOfTheWorkingDirectory) {
    dir.write("config.kvs", "FORNAVN=Kari\r\n");
    EXPECT_EQ(mainStore(Workspace(dir.path()), messages).getString("FORNAVN").value, "Kari");
}

}  // namespace
}  // namespace andel::test
