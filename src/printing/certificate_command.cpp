#include "printing/certificate_command.h"

#include "model/player.h"
#include "printing/certificate_fill.h"
#include "settings/settings_keys.h"

namespace andel {

CertificateRefusal certificateRefusal(const WorkbenchState& state) {
    if (isUnregistered(state.spillenummer)) return CertificateRefusal::Unregistered;
    if (state.online.pathAndName.empty()) return CertificateRefusal::NoOnlineFile;
    return CertificateRefusal::None;
}

bool beginCertificates(WorkbenchState& state, Messages& messages, const std::function<void()>& makeOnlineFile) {
    state.commandPanelVisible = false;
    switch (certificateRefusal(state)) {
        case CertificateRefusal::Unregistered:
            messages.inform(std::string(kUnregisteredRefusal), MessagePlacement::NearMousePointer, -100, -50);
            return false;
        case CertificateRefusal::NoOnlineFile:
            messages.inform(std::string(kNoOnlineFileRefusal), MessagePlacement::FromMainWindowTopMiddle, -50, 200);
            if (makeOnlineFile) makeOnlineFile();
            return false;
        case CertificateRefusal::None: break;
    }
    state.previewDirectory = onlineDirectoryOf(state.online.pathAndName);
    state.previewFileName = onlineFileNameOf(state.online.pathAndName);
    return true;
}

PrintChoices storedPrintChoices(const SettingsStore& settings) {
    PrintChoices choices;
    const int margin = settings.getInt(kVenstremargKryssballen);
    const int adjustment = settings.getInt(kTegnjusteringKryssballen);
    choices.margin = margin >= 0 && margin <= kMaxMargin ? margin : kVenstremargKryssballen.fallback;
    choices.markAdjustment = adjustment == 0 || adjustment == 1 ? adjustment : kTegnjusteringKryssballen.fallback;
    return choices;
}

void storePrintChoices(SettingsStore& settings, const PrintChoices& choices) {
    settings.setInt(kVenstremargKryssballen.name, choices.margin);
    settings.setInt(kTegnjusteringKryssballen.name, choices.markAdjustment);
}

}  // namespace andel
