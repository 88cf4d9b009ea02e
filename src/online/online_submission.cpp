#include "online/online_submission.h"

#include "model/player.h"
#include "model/text.h"
#include "online/online_file_name.h"
#include "workbench/stem_editing.h"

#include <algorithm>

namespace andel {
namespace {

char firstLetter(std::string_view selectorText) {
    const std::string letters = upperCase(removeBlanks(selectorText));
    return letters.empty() ? '\0' : letters.front();
}

std::string couponTypeValue(char letter) {
    switch (letter) {
        case 'L': return "LØRDAG";
        case 'S': return "SØNDAG";
        case 'M': return "MIDTUKE";
        default: return "";
    }
}

std::string timeBasisValue(char letter) {
    switch (letter) {
        case 'P': return "PAUSE";
        case 'O': return "NORMAL";
        case 'B': return "BEGGE";
        default: return "";
    }
}

std::string selectedRowPrice(const WorkbenchState& state) {
    const int index = state.comborekkeprisIndex;
    if (index < 0 || index >= static_cast<int>(state.comborekkepris.size())) return "";
    return digitsOnly(state.comborekkepris[index]);
}

}  // namespace

void takeDialogPlayer(WorkbenchState& state, const OnlineDialogAnswers& answers) {
    const SplitName name = splitPlayerName(answers.name);
    state.xfornavn = trimBlanks(name.firstName);
    state.etternavn = trimBlanks(name.lastName);
    state.spillenummer = trimBlanks(answers.playerNumber);
    state.panel55 = syndicateName(Player{state.xfornavn, state.etternavn, state.spillenummer});
}

Submission submissionOf(const WorkbenchState& state, const OnlineDialogAnswers& answers, const std::string& serial,
                        std::vector<std::string>& problems) {
    Submission submission;
    submission.onlineDirectory = answers.directory;
    submission.navn = state.xfornavn + " " + state.etternavn;
    submission.spillenummer = digitsOnly(state.spillenummer);
    submission.antallUker = answers.weeks;
    submission.gangefelt = answers.multiplier;
    submission.kupongtype = couponTypeValue(firstLetter(couponTypeSelectorText(state)));
    if (submission.kupongtype.empty()) problems.emplace_back(kBadCouponTypeMessage);
    submission.pause = timeBasisValue(firstLetter(timeBasisSelectorText(state)));
    if (submission.pause.empty()) problems.emplace_back(kBadTimeBasisMessage);
    submission.rekkepris = selectedRowPrice(state);
    if (submission.rekkepris.empty()) problems.emplace_back(kBadTimeBasisMessage);
    submission.fridisposisjonHeader = serial;
    const CouponSet coupons = couponsOf(state);
    submission.systemCoupons.assign(coupons.begin(), coupons.end());
    return submission;
}

}  // namespace andel
