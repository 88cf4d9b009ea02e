#include "workbench/startup.h"

#include "model/text.h"
#include "settings/settings_keys.h"

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

}  // namespace andel
