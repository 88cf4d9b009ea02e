#include "demo_game_examples.h"

#include "online/rows_file.h"
#include "platform/file_io.h"

#include <string>
#include <vector>

namespace {

struct Example {
    const char* game;
    const char* player;
    const char* playerNumber;
    std::vector<std::string> body;
};

std::vector<Example> examples() {
    return {
        {"TIPPING", "Kari Nordmann", "123456789",
         {"#SYSTEMKUPONGER", "0324 446677774444", "0324 446677774222", "0018 773444444444", "#ENKELREKKER",
          "0001 441244124412", "0001 124412441244", "0001 214421442144"}},
        {"LOTTO", "Ola Hansen", "234567891",
         {"#REKKER", "03 07 12 18 24 29 33", "01 05 09 14 22 27 34", "02 08 11 16 20 25 31",
          "04 10 13 17 21 26 30", "06 15 19 23 28 32 34", "01 02 03 10 20 30 33", "05 06 07 08 09 11 12",
          "13 14 15 16 17 18 19", "20 21 22 23 24 25 26", "27 28 29 30 31 32 33", "04 09 16 25 29 31 34",
          "07 14 21 28 30 32 33"}},
        {"VIKING-LOTTO", "Ingrid Berg", "345678912",
         {"#REKKER", "05 11 19 27 36 48", "02 09 17 23 31 44", "08 13 21 34 40 47", "01 06 15 28 39 42"}},
        {"EXTRA", "Per Johansen", "456789123",
         {"#SYSTEMKUPONGER", "0008 02 07 11 15 22 28 31 35", "0036 01 04 09 13 18 24 27 30 33", "#ENKELREKKER",
          "0001 03 06 12 17 21 29 34", "0001 05 10 14 19 23 26 36"}},
        {"ODDSBOMBEN", "Liv Andersen", "567891234",
         {"#SYSTEMKUPONGER", "SYSTEMKUPONGNR 1", "0006 7344444412", "0006 4234721111", "SYSTEMKUPONGNR 2",
          "0009 7744121244", "#ENKELREKKER", "0001 4412441244", "0001 1244124412", "0001 2144214421"}},
        {"ODDS", "Nils Bakken", "678912345",
         {"#REKKER", "014 H 0050", "015 U 0020", "022 B 0100", "031 H 0010", "047 U 0025"}},
    };
}

std::string bytesOf(const Example& example) {
    andel::Submission submission;
    submission.onlineFileName = std::string("DEMO_") + example.game + ".NTF";
    submission.onlineDirectory = "C:\\NTFILE";
    submission.navn = example.player;
    submission.spillenummer = example.playerNumber;
    submission.spill = example.game;
    submission.antallUker = "1";
    submission.gangefelt = "1";
    submission.kupongtype = "LØRDAG";
    submission.pause = "NORMAL";
    submission.rekkepris = "1";
    submission.fridisposisjonHeader = "1246";
    std::string bytes = andel::rowsFileHeaderBytes(submission);
    for (const std::string& line : example.body) bytes += line + "\r\n";
    return bytes;
}

}  // namespace

void writeGameExamples(const andel::Workspace& demo) {
    andel::ensureDirectory(demo.file("eksempler"));
    for (const Example& example : examples()) {
        andel::replaceFile(demo.file(std::string("eksempler/") + example.game + ".TMP"), bytesOf(example));
    }
}
