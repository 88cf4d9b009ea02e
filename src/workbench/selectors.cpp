#include "workbench/selectors.h"

#include "model/codepage.h"
#include "model/pricing.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "workbench/recompute.h"

#include <algorithm>

namespace andel {
namespace {

void recount(WorkbenchState& state, const RoundRefresh& refresh) {
    if (refresh.recountPrizes) refresh.recountPrizes(state);
}

int clampIndex(int index, std::size_t count) {
    if (count == 0) return 0;
    return std::clamp(index, 0, static_cast<int>(count) - 1);
}

// Newer weeks sort first in the list.
bool isNewer(const GameWeek& a, const GameWeek& b) {
    return a.year != b.year ? a.year > b.year : a.week > b.week;
}

// The list goes out to noddsuke.tmp and is read back as the new list, so what the list
// holds is exactly what the file held.
std::vector<std::string> throughWeekFile(const std::vector<std::string>& items, const Workspace& workspace) {
    const auto file = workspace.file("noddsuke.tmp");
    std::string bytes;
    for (const std::string& item : items) bytes += toCp1252(item) + "\r\n";
    replaceFile(file, bytes);
    const auto readBack = readFileBytes(file);
    removeFileIfExists(file);
    if (!readBack) throw IoError("Kan ikke lese " + pathText(file));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < readBack->size()) {
        std::size_t end = readBack->find('\n', start);
        if (end == std::string::npos) end = readBack->size();
        std::string line = readBack->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(fromCp1252(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

CouponType couponTypeOf(const WorkbenchState& state) { return couponTypeFromIndex(state.kupongtype); }
TimeBasis timeBasisOf(const WorkbenchState& state) { return timeBasisFromIndex(state.pauseordiner); }

std::string gameWeekTextOf(const WorkbenchState& state) {
    if (state.ukecombobox < 0 || state.ukecombobox >= static_cast<int>(state.ukecomboboxItems.size())) return {};
    return state.ukecomboboxItems[state.ukecombobox];
}

std::uint32_t couponTypeColour(CouponType type) {
    switch (type) {
        case CouponType::Sunday: return 0x0000FF;   // red
        case CouponType::Midweek: return 0x808000;  // teal
        default: return 0xFF0000;                   // blue
    }
}

std::uint32_t couponHeadingColour(CouponType type) {
    return type == CouponType::Saturday ? 0x800000 /* navy */ : couponTypeColour(type);
}

void fillGameWeeks(WorkbenchState& state, int currentYear) {
    state.ukecomboboxItems = selectableGameWeeks(currentYear);
    state.ukecombobox = 0;
}

void refreshGameWeek(WorkbenchState& state, const RoundRefresh& refresh) {
    const std::string weekText = gameWeekTextOf(state);
    const GameWeek week = parseGameWeek(weekText);
    const CouponType type = couponTypeOf(state);
    if (refresh.loadRound) refresh.loadRound(state, week, type);
    state.vistippeomgang = std::string(couponTypeText(type)) + " " + weekText;
}

void chooseGameWeek(WorkbenchState& state, int index, const RoundRefresh& refresh) {
    state.ukecombobox = clampIndex(index, state.ukecomboboxItems.size());
    state.previewWeek = gameWeekTextOf(state);
    refreshGameWeek(state, refresh);
    recount(state, refresh);
}

void chooseCouponType(WorkbenchState& state, int index, const RoundRefresh& refresh) {
    forgetOnlineFile(state);
    state.kupongtype = clampIndex(index, kCouponTypeCount);
    state.comborekkeprisIndex = rowPriceItem(couponTypeOf(state));
    state.previewCouponType = std::string(couponTypeText(couponTypeOf(state)));
    refreshGameWeek(state, refresh);
    recomputePrice(state);
    recount(state, refresh);
}

void chooseTimeBasis(WorkbenchState& state, int index, const RoundRefresh& refresh) {
    forgetOnlineFile(state);
    state.pauseordiner = clampIndex(index, kTimeBasisCount);
    state.previewTimeBasis = std::string(timeBasisText(timeBasisOf(state)));
    refreshGameWeek(state, refresh);
    recomputePrice(state);
    recount(state, refresh);
}

void stepSelector(WorkbenchState& state, Selector selector, int step, const RoundRefresh& refresh) {
    switch (selector) {
        case Selector::GameWeek:
            state.ukecombobox = clampIndex(state.ukecombobox + step, state.ukecomboboxItems.size());
            state.previewWeek = gameWeekTextOf(state);
            break;
        case Selector::CouponType:
            state.kupongtype = clampIndex(state.kupongtype + step, kCouponTypeCount);
            state.comborekkeprisIndex = rowPriceItem(couponTypeOf(state));
            state.previewCouponType = std::string(couponTypeText(couponTypeOf(state)));
            break;
        case Selector::TimeBasis:
            state.pauseordiner = clampIndex(state.pauseordiner + step, kTimeBasisCount);
            state.previewTimeBasis = std::string(timeBasisText(timeBasisOf(state)));
            break;
    }
    refreshGameWeek(state, refresh);
    if (selector != Selector::GameWeek) recomputePrice(state);
    recount(state, refresh);
}

std::size_t newestFirstPosition(const std::vector<std::string>& items, const GameWeek& week) {
    const auto place = std::find_if(items.begin(), items.end(),
                                    [&](const std::string& item) { return isNewer(week, parseGameWeek(item)); });
    return static_cast<std::size_t>(place - items.begin());
}

void setTodaysGameWeek(WorkbenchState& state, const GameWeek& today, const Workspace& workspace,
                       const RoundRefresh& refresh) {
    const std::string text = gameWeekText(today);
    if (gameWeekTextOf(state) != text) {
        auto& items = state.ukecomboboxItems;
        auto found = std::find(items.begin(), items.end(), text);
        if (found == items.end()) {
            std::vector<std::string> withToday = items;
            withToday.insert(withToday.begin() + static_cast<long>(newestFirstPosition(withToday, today)), text);
            items = throughWeekFile(withToday, workspace);
            found = std::find(items.begin(), items.end(), text);
        }
        state.ukecombobox = found == items.end() ? 0 : static_cast<int>(found - items.begin());
    }
    refreshGameWeek(state, refresh);
}

void togglePreview(WorkbenchState& state) {
    state.commandPanelVisible = false;
    const std::string& path = state.online.pathAndName;
    if (path.empty()) {
        state.previewDirectory = "UKJENT";
        state.previewFileName = "IKKE LAGET";
    } else {
        const auto slash = path.find_last_of('\\');
        state.previewDirectory = slash == std::string::npos ? std::string() : path.substr(0, slash);
        state.previewFileName = slash == std::string::npos ? path : path.substr(slash + 1);
    }
    state.previewWeek = gameWeekTextOf(state);
    state.previewVisible = !state.previewVisible;
}

void resetCouponColours(WorkbenchState& state) {
    state.couponBackground = 0xC0C0C0;
    state.couponText = 0x000000;
}

}  // namespace andel
