#pragma once
// The syndicate in hand as the submission the online file is written from, and the
// player the dialog names taken into the main window.
#include "online/online_dialog_fields.h"
#include "online/rows_file.h"
#include "workbench/workbench_state.h"

#include <string>
#include <string_view>
#include <vector>

namespace andel {

inline constexpr std::string_view kBadCouponTypeMessage = "FEIL NR 1! Kan IKKE lage onlinfil";
inline constexpr std::string_view kBadTimeBasisMessage = "FEIL NR 2! Kan IKKE lage onlinfil";

// The dialog's name split into `xfornavn` and `etternavn`, its number into `spillenummer`
// (all without surrounding blanks), and the title `panel55` from the three.
void takeDialogPlayer(WorkbenchState& state, const OnlineDialogAnswers& answers);

// Everything but the online file's name: player, game, weeks and multiplier, coupon
// type, time basis, row price, the nine system coupons of the coupon grid, the serial
// number and the directory. A coupon type, time basis or row price that cannot be
// submitted adds its message to `problems`.
Submission submissionOf(const WorkbenchState& state, const OnlineDialogAnswers& answers, const std::string& serial,
                        std::vector<std::string>& problems);

}  // namespace andel
