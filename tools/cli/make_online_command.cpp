// andelstipp-cli make-online: the main window's make-online-file command on a stored
// syndicate, with the dialog's answers taken from the options.
#include "commands.h"
#include "stored_syndicate.h"
#include "books/ledger_store.h"
#include "online/earlier_online_file.h"
#include "online/make_online_file.h"
#include "workbench/recompute.h"

#include <algorithm>
#include <ostream>

namespace andel::cli {
namespace {

std::string required(const Arguments& args, const std::string& name) {
    const auto value = args.option(name);
    if (!value) throw UsageError("make-online needs " + name);
    return *value;
}

std::string choice(const Arguments& args, const std::string& name, const std::vector<std::string>& choices) {
    const std::string value = args.option(name).value_or(choices.front());
    if (std::find(choices.begin(), choices.end(), value) != choices.end()) return value;
    std::string allowed;
    for (const std::string& c : choices) allowed += (allowed.empty() ? "" : "|") + c;
    throw UsageError(name + " must be " + allowed);
}


}  // namespace

int runMakeOnline(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    OnlineDialogAnswers answers;
    answers.name = required(args, "--navn");
    answers.playerNumber = required(args, "--spillenummer");
    answers.directory = required(args, "--katalog");
    answers.multiplier = choice(args, "--gangefelt", multiplierChoices());
    answers.weeks = choice(args, "--uker", weekChoices());

    WorkbenchState state = initialWorkbenchState();
    if (!loadStoredSyndicate(state, args.positionals()[0], context)) return 1;
    if (!mayMakeOnlineFile(state, context.messages)) return 1;
    // The window asks before it makes a second online file for the same syndicate; a script
    // cannot answer, so the tool makes it and says which file was there before.
    const std::vector<EarlierOnlineFile> earlier = earlierOnlineFiles(context.workspace, state);
    const MakeOnlineResult result = makeOnlineFile(state, answers, context.workspace, context.messages);
    if (result.outcome != MakeOnlineOutcome::Made) return 1;
    for (const EarlierOnlineFile& file : earlier) {
        context.messages.inform("Andelslaget hadde allerede en onlinefil: " + earlierOnlineFileLine(file) +
                                ". Den nye er laget i tillegg.");
    }
    openLedgerAfterOnlineFile(state, context.workspace, context.messages,
                              args.flag("--annuller-tidligere") ? EarlierLedger::Void : EarlierLedger::Keep);
    context.out << result.onlineFile << '\n';
    return 0;
}

}  // namespace andel::cli
