#pragma once
// The certificate command of the main window up to its print dialog: the refusals, the
// online file's directory and name, and the dialog's stored choices.
#include "platform/messages.h"
#include "printing/certificate_template.h"
#include "settings/settings_store.h"
#include "workbench/workbench_state.h"

#include <functional>
#include <string_view>

namespace andel {

inline constexpr std::string_view kUnregisteredRefusal = "Du kan ikke lage Andelsbrev\rsom uregistrert spiller";
inline constexpr std::string_view kNoOnlineFileRefusal = "Du må først lage onlinefil";

enum class CertificateRefusal { None, Unregistered, NoOnlineFile };
CertificateRefusal certificateRefusal(const WorkbenchState& state);

// Hides the command panel. An unregistered player is refused near the mouse pointer; a
// syndicate without an online file is refused over the main window and the online file
// command starts. Otherwise the main window shows the online file's directory and name
// and the command goes on (true).
bool beginCertificates(WorkbenchState& state, Messages& messages, const std::function<void()>& makeOnlineFile);

// The margin and mark adjustment stored by the last dialog; a value outside its list
// counts as missing (margin 16, no adjustment). "Spar på gulfargen" is never stored.
PrintChoices storedPrintChoices(const SettingsStore& settings);
void storePrintChoices(SettingsStore& settings, const PrintChoices& choices);

}  // namespace andel
