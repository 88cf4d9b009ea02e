#include "demo_results.h"

#include "handover/team_names_file.h"
#include "model/codepage.h"
#include "model/game_week.h"
#include "model/text.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "results/pools_history.h"
#include "results/results_file.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace andel::demo {
namespace {

using Fixtures = std::array<const char*, 24>;  // home 1, away 1, ...

// The pools coupons of a typical weekend: English football on Saturday, the Norwegian
// league on Sunday, continental football midweek. The results files carry the short
// names (10 characters), the files of team names the full ones.
constexpr Fixtures kSaturdayShort = {
    "Arsenal", "Chelsea", "Brentford", "Everton", "Burnley", "Wolves", "Fulham", "Brighton",
    "Liverpool", "Newcastle", "Man City", "Tottenham", "Nott. For.", "West Ham", "Leeds", "Sunderland",
    "Coventry", "Norwich", "Middlesbro", "Stoke", "Sheff. Utd", "Hull", "Watford", "Millwall"};
constexpr Fixtures kSaturdayFull = {
    "Arsenal", "Chelsea", "Brentford", "Everton", "Burnley", "Wolverhampton Wanderers", "Fulham",
    "Brighton & Hove Albion", "Liverpool", "Newcastle United", "Manchester City", "Tottenham Hotspur",
    "Nottingham Forest", "West Ham United", "Leeds United", "Sunderland", "Coventry City", "Norwich City",
    "Middlesbrough", "Stoke City", "Sheffield United", "Hull City", "Watford", "Millwall"};
constexpr Fixtures kSundayShort = {
    "Bodø/Glimt", "Molde", "Brann", "Rosenborg", "Fredrikst.", "Viking", "HamKam", "Sarpsborg",
    "KFUM Oslo", "Tromsø", "Kr.sund", "Godset", "Lillestrøm", "Vålerenga", "Sandefjord", "Haugesund",
    "Odd", "Aalesund", "Start", "Kongsvgr.", "Mjøndalen", "Lyn", "Stabæk", "Sogndal"};
constexpr Fixtures kSundayFull = {
    "Bodø/Glimt", "Molde", "Brann", "Rosenborg", "Fredrikstad", "Viking", "HamKam", "Sarpsborg 08",
    "KFUM Oslo", "Tromsø", "Kristiansund", "Strømsgodset", "Lillestrøm", "Vålerenga", "Sandefjord",
    "FK Haugesund", "Odd", "Aalesund", "IK Start", "Kongsvinger", "Mjøndalen", "Lyn", "Stabæk", "Sogndal"};
constexpr Fixtures kMidweekShort = {
    "Atalanta", "Napoli", "Juventus", "Roma", "Inter", "Milan", "Lazio", "Fiorentina",
    "Real Madr.", "Sevilla", "Barcelona", "Valencia", "Atl. Madr.", "Villarreal", "Bayern", "Dortmund",
    "Leipzig", "Leverkusen", "Ajax", "PSV", "Celtic", "Rangers", "Benfica", "Porto"};

// Deterministic made-up numbers, so the demo looks the same on every run of a week.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    int roll(int sides) {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(sides));
    }

private:
    std::uint32_t state_;
};

// The fixtures of another week: the away teams move round by the week number.
std::vector<std::string> fixturesOfWeek(const Fixtures& fixtures, int shift) {
    std::vector<std::string> names(fixtures.size());
    for (int m = 0; m < 12; ++m) {
        names[2 * m] = fixtures[2 * m];
        names[2 * m + 1] = fixtures[2 * ((m + shift) % 12) + 1];
    }
    return names;
}

void writeResultsRecord(const Workspace& demo, CouponType type, const GameWeek& week, const Fixtures& fixtures) {
    const auto path = demo.file(resultsFileRelativePath(type, week));
    if (fileExists(path)) return;
    ResultsRecord record;
    const std::vector<std::string> names = fixturesOfWeek(fixtures, week.week);
    for (int m = 0; m < 12; ++m) {
        record.homeTeams[m].assign(names[2 * m]);
        record.awayTeams[m].assign(names[2 * m + 1]);
    }
    record.headings[0].assign("TIPPEKUPONG " + std::string(couponTypeText(type)));
    record.roundFields[0].assign(gameWeekText(week));
    ensureDirectory(path.parent_path());
    replaceFile(path, encodeResultsRecord(record));
}

std::string teamNamesSection(const GameWeek& week) {
    std::string section = "#UKE " + twoDigits(week.week) + "\r\n";
    const std::pair<const char*, const Fixtures*> blocks[] = {{"^LØRDAG", &kSaturdayFull}, {"^SØNDAG", &kSundayFull}};
    for (const auto& [marker, fixtures] : blocks) {
        section += toCp1252(marker) + "\r\n";
        for (const std::string& name : fixturesOfWeek(*fixtures, week.week)) section += "1^" + toCp1252(name) + "\r\n";
    }
    return section;
}

std::string historyLine(const GameWeek& week, int fileIndex) {
    Dice dice(static_cast<std::uint32_t>(week.year * 100 + week.week) * 7u + static_cast<std::uint32_t>(fileIndex));
    StatisticsRecord record;
    record.week = static_cast<std::uint8_t>(week.week);
    record.year = week.year;
    record.resultText.clear();
    for (int m = 0; m < 12; ++m) record.resultText += "1X2"[dice.roll(9) < 4 ? 0 : dice.roll(2) + 1];
    record.firstSmall = static_cast<std::uint8_t>(dice.roll(5));
    record.secondSmall = 12;
    record.prize12 = dice.roll(5) == 0 ? 0 : 150000 + dice.roll(40) * 62500;
    record.prize11 = 1500 + dice.roll(60) * 350;
    record.prize10 = 60 + dice.roll(40) * 15;
    record.furtherAmount = 8000000 + dice.roll(900) * 10000;
    return formatHistoryLine(record, "") + "\r\n";
}

}  // namespace

void writeDemoResults(const Workspace& demo) {
    const std::chrono::year_month_day today = localToday();
    // This week and the five before it, newest first.
    std::vector<GameWeek> weeks;
    for (int back = 0; back < 6; ++back) {
        weeks.push_back(gameWeekOf(std::chrono::sys_days{today} - std::chrono::days{7 * back}));
    }

    for (const GameWeek& week : weeks) {
        writeResultsRecord(demo, CouponType::Saturday, week, kSaturdayShort);
        writeResultsRecord(demo, CouponType::Sunday, week, kSundayShort);
        writeResultsRecord(demo, CouponType::Midweek, week, kMidweekShort);
    }

    // The files of team names: each year's file holds its weeks, the newest last.
    std::map<int, std::string> yearFiles;
    for (auto week = weeks.rbegin(); week != weeks.rend(); ++week) {
        std::string& text = yearFiles[week->year];
        if (text.empty()) text = teamNamesFileName(week->year) + "\r\n";
        text += teamNamesSection(*week);
    }
    for (const auto& [year, text] : yearFiles) {
        const auto path = demo.file(teamNamesFileName(year));
        if (!fileExists(path)) replaceFile(path, text);
    }

    const char* historyFiles[] = {"lf.txt", "lp.txt", "sf.txt", "sp.txt", "mf.txt", "mp.txt"};
    ensureDirectory(demo.file("tippehistorikk"));
    for (int index = 0; index < 6; ++index) {
        const auto path = demo.file(std::string("tippehistorikk/") + historyFiles[index]);
        if (fileExists(path)) continue;
        std::string text;
        for (const GameWeek& week : weeks) text += historyLine(week, index);
        replaceFile(path, text);
    }
}

}  // namespace andel::demo
