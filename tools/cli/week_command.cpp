// andelstipp-cli week: the game-week text of a date as the selector shows it.
#include "commands.h"
#include "model/game_week.h"
#include "platform/clock.h"

#include <ostream>
#include <regex>

namespace andel::cli {

int runWeek(const Arguments& args, Context& context) {
    args.expectPositionals(0, 1);
    std::chrono::year_month_day date = localToday();
    if (!args.positionals().empty()) {
        const std::string& text = args.positionals()[0];
        static const std::regex form(R"((\d{4})-(\d{2})-(\d{2}))");
        std::smatch parts;
        if (!std::regex_match(text, parts, form)) throw UsageError("the date must be YYYY-MM-DD, not \"" + text + "\"");
        date = std::chrono::year{std::stoi(parts[1])} / std::stoi(parts[2]) / std::stoi(parts[3]);
        if (!date.ok()) throw UsageError("no such date: " + text);
    }
    context.out << gameWeekText(gameWeekOf(date)) << '\n';
    return 0;
}

}  // namespace andel::cli
