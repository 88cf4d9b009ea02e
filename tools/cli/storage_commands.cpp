// andelstipp-cli storage list|show: the row storage as the storage browser lists it and
// as the main window loads a stored syndicate.
#include "commands.h"
#include "model/coupon_type.h"
#include "model/text.h"
#include "settings/drive_settings.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "storage/storage_browser.h"
#include "storage/storage_directory.h"
#include "storage/storage_load.h"
#include "workbench/recompute.h"

#include <ostream>

namespace andel::cli {
namespace {

int listStored(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    const std::string source = args.option("--source").value_or("harddisk");
    if (source != "harddisk" && source != "diskett") throw UsageError("--source must be harddisk or diskett");
    SettingsStore settings = mainStore(context.workspace, context.messages);
    const DriveMap drives = settingsDriveMap(context.workspace, settings);
    StorageBrowser browser;
    const bool listed = listStorage(browser, source == "diskett" ? StorageSource::Diskette : StorageSource::HardDisk,
                                    context.workspace, drives.drive('A'));
    if (!listed) throw IoError("Kan ikke åpne lageret på " + source);
    for (const auto& row : browser.table.rows) {
        for (int column = 1; column <= 12; ++column) context.out << (column > 1 ? "|" : "") << row[column];
        context.out << '\n';
    }
    return 0;
}

std::string column(const WorkbenchState& state, int column) {
    std::string text;
    for (int row = 1; row <= kMatches; ++row) text += state.couponGrid.at(column, row);
    return text;
}

int showStored(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    if (args.option("--source")) throw UsageError("option --source does not belong to storage show");
    SettingsStore settings = mainStore(context.workspace, context.messages);
    const DriveMap drives = settingsDriveMap(context.workspace, settings);
    const std::optional<std::filesystem::path> directory = enterStorageDirectory(context.workspace.root());
    if (!directory) throw IoError("Kan ikke åpne lageret pul1lgr");
    WorkbenchState state = initialWorkbenchState();
    const LoadResult result = loadStoredRows(state, *directory, args.positionals()[1], context.messages,
                                             [&drives](const std::string& path) { return drives.fileExists(path); });
    if (!result.loaded) return 1;
    std::ostream& out = context.out;
    out << "uke " << trimBlanks(state.ukecomboboxItems.empty() ? "" : state.ukecomboboxItems[state.ukecombobox]) << '\n'
        << "kupongtype " << couponTypeText(couponTypeFromIndex(state.kupongtype)) << '\n'
        << "spilltype " << timeBasisText(timeBasisFromIndex(state.pauseordiner)) << '\n'
        << "fornavn " << state.xfornavn << '\n'
        << "etternavn " << state.etternavn << '\n'
        << "spillenummer " << state.spillenummer << '\n'
        << "andeler " << trimBlanks(state.shareItems.at(state.antallandeler)) << '\n'
        << "stamme " << column(state, 3) << '\n'
        << "markering " << column(state, 1) << '\n'
        << "prioritet " << column(state, 2) << '\n'
        << "serienummer " << state.online.serialNumber << '\n'
        << "onlinefil " << state.online.pathAndName << '\n'
        << "onlinefildato " << state.online.date << '\n';
    for (int c = 0; c < result.couponsRead; ++c) out << "coupon " << c + 1 << ' ' << column(state, kFirstCouponColumn + c) << '\n';
    return 0;
}

}  // namespace

int runStorage(const Arguments& args, Context& context) {
    const std::string verb = args.positionals().empty() ? std::string() : args.positionals()[0];
    if (verb == "list") return listStored(args, context);
    if (verb == "show") return showStored(args, context);
    throw UsageError(verb.empty() ? "storage needs list or show" : "unknown storage command " + verb);
}

}  // namespace andel::cli
