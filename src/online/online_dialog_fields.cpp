#include "online/online_dialog_fields.h"

#include "model/coupon_type.h"

#include <cctype>

namespace andel {
namespace {

char upperAscii(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

const std::vector<std::string>& onlineDirectoryChoices() {
    static const std::vector<std::string> choices = [] {
        std::vector<std::string> list;
        for (char letter : std::string("ACB")) list.push_back(std::string(1, letter) + ":\\NTFILE");
        for (char letter = 'D'; letter <= 'Z'; ++letter) list.push_back(std::string(1, letter) + ":\\NTFILE");
        return list;
    }();
    return choices;
}

const std::vector<std::string>& multiplierChoices() {
    static const std::vector<std::string> choices = {"1", "2", "5", "10", "20"};
    return choices;
}

const std::vector<std::string>& weekChoices() {
    static const std::vector<std::string> choices = {"1", "5", "10"};
    return choices;
}

std::string defaultOnlineDirectory(const SettingValue& onlinefilDrive) {
    const std::vector<std::string>& choices = onlineDirectoryChoices();
    if (onlinefilDrive.found && !onlinefilDrive.value.empty()) {
        const char letter = upperAscii(onlinefilDrive.value.front());
        for (const std::string& choice : choices) {
            if (choice.front() == letter) return choice;
        }
    }
    return choices[1];
}

std::string couponTypeSelectorText(const WorkbenchState& state) {
    if (state.kupongtype < 0 || state.kupongtype >= kCouponTypeCount) return "";
    return std::string(couponTypeText(couponTypeFromIndex(state.kupongtype)));
}

std::string timeBasisSelectorText(const WorkbenchState& state) {
    if (state.pauseordiner < 0 || state.pauseordiner >= kTimeBasisCount) return "";
    return std::string(timeBasisText(timeBasisFromIndex(state.pauseordiner)));
}

std::string couponTypeCaption(int kupongtype) {
    if (kupongtype < 0 || kupongtype >= kCouponTypeCount) return "";
    static const char* const captions[] = {"LØRDAGS-TIPPING", "SØNDAGS-TIPPING", "MIDTUKE-TIPPING"};
    return captions[kupongtype];
}

OnlineDialogFill onlineDialogFill(const WorkbenchState& state, const SettingValue& onlinefilDrive) {
    OnlineDialogFill fill;
    fill.answers.name = state.xfornavn + " " + state.etternavn;
    fill.answers.playerNumber = state.spillenummer;
    fill.answers.directory = defaultOnlineDirectory(onlinefilDrive);
    fill.couponType = couponTypeCaption(state.kupongtype);
    fill.timeBasis = timeBasisSelectorText(state);
    fill.rows = state.rekkertotalt;
    return fill;
}

}  // namespace andel
