#include "workbench/startup.h"

#include "model/text.h"
#include "handover/player_keys.h"
#include "handover/presence_files.h"
#include "handover/team_names_file.h"
#include "model/pricing.h"
#include "settings/settings_keys.h"
#include "workbench/prize_counting.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

namespace andel {

void showAgentProfile(WorkbenchState& state, const AgentProfile& profile) {
    state.agentLine1 = trimBlanks(profile.companyName) + ", " + trimBlanks(profile.streetAddress) + ", " +
                       trimBlanks(profile.postalAddress);
    state.agentLine2 = "Telefon " + trimBlanks(profile.telephone) + ", " + "Telefax " + trimBlanks(profile.fax) + ", ";
}

void loadAgentProfile(WorkbenchState& state, const Workspace& workspace) {
    showAgentProfile(state, AgentProfile{});
    showAgentProfile(state, readAgentProfile(workspace).profile);
}

void loadMidweekRowPrice(WorkbenchState& state, const SettingsStore& settings) {
    state.comborekkepris.resize(2);
    state.comborekkepris[1] = "  " + removeBlanks(settings.getText(kRekkeprisMidtuke));
}

void createWorkbench(WorkbenchState& state, const Workspace& workspace, Messages& messages, const RoundRefresh& round,
                     std::chrono::year_month_day today, std::uint32_t windowHandle) {
    writeHandleFile(workspace, windowHandle);
    state.presenceHandle = windowHandle;
    loadAgentProfile(state, workspace);
    forgetOnlineFile(state);
    state.kupongtype = static_cast<int>(CouponType::Saturday);
    fillGameWeeks(state, static_cast<int>(today.year()));
    state.shareItems = shareSelectorItems();
    state.comborekkeprisIndex = 0;
    state.pauseordiner = static_cast<int>(TimeBasis::Ordinary);
    state.antallandeler = state.antallandeler2 = kDefaultShares - 1;
    putStem(state, defaultStem());
    state.previewCouponType = std::string(couponTypeText(CouponType::Saturday));
    state.previewWeek = gameWeekTextOf(state);
    state.previewTimeBasis = std::string(timeBasisText(TimeBasis::Ordinary));
    recomputeSystem(state);
    const SettingsStore settings = mainStore(workspace, messages);
    const Player player = readPlayerKeys(settings);
    state.xfornavn = player.firstName;
    state.etternavn = player.lastName;
    state.spillenummer = player.number;
    state.panel55 = syndicateName(player);
    state.playerRead = true;
    setTodaysGameWeek(state, gameWeekOf(today), workspace, round);
    state.couponBackground = static_cast<std::uint32_t>(settings.getInt(kBkcolKuponglagAndel));
    state.couponText = static_cast<std::uint32_t>(settings.getInt(kTxcolKuponglagAndel));
    loadMidweekRowPrice(state, settings);
    writeCaptionFile(workspace);
}

RoundRefresh roundRefresh(const Workspace& workspace, Messages& messages) {
    RoundRefresh refresh;
    refresh.loadRound = [&workspace, &messages](WorkbenchState& state, const GameWeek& week, CouponType type) {
        state.teamNames = loadTeamNames(workspace, messages, week, type).names;
        fetchRoundResult(state, workspace, messages);
    };
    refresh.recountPrizes = recountPrizes;
    return refresh;
}

void closeWorkbench(const WorkbenchState& state, const Workspace& workspace, Messages& messages) {
    if (state.presenceHandle != 0) removeOwnPresenceFiles(workspace, state.presenceHandle);
    if (!state.playerRead) return;
    SettingsStore settings = mainStore(workspace, messages);
    writePlayerKeys(settings, Player{state.xfornavn, state.etternavn, state.spillenummer});
}

}  // namespace andel
