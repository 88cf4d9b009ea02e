// andelstipp-cli share CODE: the share a certificate's or slip's code names, as the scan at
// the counter finds it.
#include "accounts/share_lookup.h"
#include "commands.h"

#include <ostream>

namespace andel::cli {

int runShare(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    const ShareLookup lookup = lookUpShare(context.workspace, args.positionals()[0]);
    if (!lookup.message.empty()) context.messages.inform(lookup.message);
    if (!lookup.found) return 1;
    for (const Fields& line : shareFactLines(*lookup.found)) {
        for (std::size_t i = 0; i < line.size(); ++i) context.out << (i ? "\t" : "") << line[i];
        context.out << '\n';
    }
    return 0;
}

}  // namespace andel::cli
