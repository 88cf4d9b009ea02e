#pragma once
// What the online-file dialog `Tonlineform` shows when it opens and what it answers:
// plain values, so the command and the command-line tool share them with the window.
#include "settings/settings_store.h"
#include "workbench/workbench_state.h"

#include <string>
#include <vector>

namespace andel {

// The agent's answers: the editable controls of the dialog.
struct OnlineDialogAnswers {
    std::string name;              // `Edit1`: first name, a blank and last name
    std::string playerNumber;      // `Edit2`
    std::string directory;         // `combodrive`: "C:\NTFILE"
    std::string multiplier = "1";  // `combogangefelt`
    std::string weeks = "1";       // `combouker`
};

struct OnlineDialogFill {
    OnlineDialogAnswers answers;  // the controls' first values
    std::string couponType;       // `kupongtype`: "LØRDAGS-TIPPING" ...
    std::string timeBasis;        // `pauseordiner`: the main window's time basis text
    std::string rows;             // `rekkertotalt`
    std::string coupons = "9";    // `antallkuponger`
};

// "A:\NTFILE", "C:\NTFILE", "B:\NTFILE", then "D:\NTFILE" to "Z:\NTFILE".
const std::vector<std::string>& onlineDirectoryChoices();
const std::vector<std::string>& multiplierChoices();  // "1", "2", "5", "10", "20"
const std::vector<std::string>& weekChoices();        // "1", "5", "10"

// "C:\NTFILE", or the entry whose first letter is that of the "OnlinefilDrive" setting.
std::string defaultOnlineDirectory(const SettingValue& onlinefilDrive);

// The texts of the main window's selectors `KUPONGTYPE` ("LØRDAG" ...) and `pauseordiner`
// ("ORDINÆR" ...); empty when no item is selected.
std::string couponTypeSelectorText(const WorkbenchState& state);
std::string timeBasisSelectorText(const WorkbenchState& state);

// "LØRDAGS-TIPPING", "SØNDAGS-TIPPING" or "MIDTUKE-TIPPING" for the coupon type index;
// empty for an index outside the selector.
std::string couponTypeCaption(int kupongtype);

OnlineDialogFill onlineDialogFill(const WorkbenchState& state, const SettingValue& onlinefilDrive);

}  // namespace andel
