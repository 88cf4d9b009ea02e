#include "online/make_online_file.h"

#include "model/player.h"
#include "online/online_backup.h"
#include "online/online_file_name.h"
#include "online/online_submission.h"
#include "settings/drive_settings.h"
#include "platform/file_io.h"
#include "platform/file_time.h"
#include "platform/io_error.h"
#include "settings/serial_counter.h"
#include "storage/storage_save.h"
#include "workbench/recompute.h"
#include "workbench/syndicate_change.h"

#include <vector>

namespace andel {
namespace fs = std::filesystem;

namespace {

// Tells whether the writer showed anything: every message of the writer is an error.
class CountingMessages : public Messages {
public:
    explicit CountingMessages(Messages& target) : target_(target) {}
    bool show(const Message& message) override {
        ++count;
        return target_.show(message);
    }
    int count = 0;

private:
    Messages& target_;
};

std::optional<fs::path> prepareDirectory(const DriveMap& drives, const std::string& directory, Messages& messages) {
    try {
        if (const auto resolved = drives.resolve(directory)) {
            ensureDirectory(*resolved);
            return resolved;
        }
    } catch (const IoError&) {
    }
    const bool diskette = !directory.empty() && (directory.front() == 'A' || directory.front() == 'a');
    messages.inform(std::string(diskette ? kNoRemovableDiskMessage : kDirectoryUnusableMessage));
    return std::nullopt;
}

// One making, from the cleared status to the online file at its place.
class Making {
public:
    Making(WorkbenchState& state, const OnlineDialogAnswers& answers, const Workspace& workspace,
           const DriveMap& drives, Messages& messages, const MakeOnlineHooks& hooks)
        : state_(state), answers_(answers), workspace_(workspace), drives_(drives), messages_(messages), hooks_(hooks) {}

    // True when the file is there; false after the messages that stop the command.
    bool write() {
        const std::string serial = std::to_string(peekSerial(workspace_, messages_, hooks_.settingsWait));
        state_.online.serialNumber = serial;
        std::vector<std::string> problems;
        Submission submission = submissionOf(state_, answers_, serial, problems);
        for (const std::string& problem : problems) messages_.inform(problem);
        if (!problems.empty()) return false;

        const auto directory = prepareDirectory(drives_, answers_.directory, messages_);
        if (!directory) return false;
        submission.onlineFileName = onlineFileName(state_.rekkertotalt, answers_.name, hooks_.now());
        onlineFile = joinWindowsPath(answers_.directory, submission.onlineFileName);
        const std::string& name = submission.onlineFileName;
        destination = drives_.resolve(onlineFile).value_or(*directory / fs::path(std::u8string(name.begin(), name.end())));
        existedBefore_ = fileExists(destination);
        if (!writeRowsFile(submission)) return false;
        return runWriter() && waitForFile(destination, hooks_.fileWait);
    }

    // Removes what this run put at the destination.
    void undo() {
        if (destination.empty() || (existedBefore_ && !writerWrote_)) return;
        try {
            removeFileIfExists(destination);
        } catch (const IoError&) {
        }
    }

    std::string onlineFile;
    fs::path destination;

private:
    // A rows file that could not be written must not leave the last run's file in use.
    bool writeRowsFile(const Submission& submission) {
        const fs::path file = workspace_.file(std::string(kRowsFileName));
        bool written = true;
        try {
            andel::writeRowsFile(file, submission);
        } catch (const IoError&) {
            written = false;
        }
        if (written && fileExists(file)) return true;
        messages_.inform(std::string(kRowsFileMissingMessage));
        return false;
    }

    bool runWriter() {
        CountingMessages counting(messages_);
        ConversionResult result;
        try {
            result = hooks_.writeOnlineFile ? hooks_.writeOnlineFile(counting) : convertDirectly(counting);
        } catch (const IoError& error) {
            counting.inform(error.what());
            result.outcome = ConversionOutcome::Failed;
        }
        writerWrote_ = result.outcome == ConversionOutcome::Written;
        return writerWrote_ && counting.count == 0;
    }

    ConversionResult convertDirectly(Messages& messages) {
        WriteProgress silent;
        const ConversionRequest request{workspace_.file(std::string(kRowsFileName)), std::string(kTippingGame), {}};
        return runOnlineConversion(workspace_, request, messages, silent, hooks_.settingsWait);
    }

    WorkbenchState& state_;
    const OnlineDialogAnswers& answers_;
    const Workspace& workspace_;
    const DriveMap& drives_;
    Messages& messages_;
    const MakeOnlineHooks& hooks_;
    bool existedBefore_ = false;
    bool writerWrote_ = false;
};

}  // namespace

std::string driveUnavailableMessage(std::string_view directory) {
    return "ONLINEFIL-KATALOG\r" + std::string(directory) + " er ikke tilgjengelig" + "\r\r" +
           "Kan ikke lage onlinfil dit !!???" + "\r" + "Prøv på nytt med et annet valg";
}

namespace {

bool refuseUnplayable(const WorkbenchState& state, Messages& messages) {
    if (couponsPlayable(state)) return false;
    messages.inform(std::string(kUnplayableOnlineMessage), MessagePlacement::OverMainWindow);
    return true;
}

}  // namespace

bool mayMakeOnlineFile(const WorkbenchState& state, Messages& messages) {
    if (isUnregistered(state.spillenummer)) {
        messages.inform(std::string(kUnregisteredOnlineMessage), MessagePlacement::NearMousePointer, -200, -50);
        return false;
    }
    return !refuseUnplayable(state, messages);
}

MakeOnlineResult makeOnlineFile(WorkbenchState& state, const OnlineDialogAnswers& answers, const Workspace& workspace,
                                Messages& messages, const MakeOnlineHooks& hooks) {
    if (refuseUnplayable(state, messages)) return {};
    SettingsStore settings = mainStore(workspace, messages, hooks.settingsWait);
    const DriveMap drives = settingsDriveMap(workspace, settings);
    const char letter = driveLetterOf(answers.directory);
    if (letter != 0 && !drives.available(letter)) {
        messages.inform(driveUnavailableMessage(answers.directory), MessagePlacement::FromMainWindowCorner, 200, 100);
        return {};
    }
    takeDialogPlayer(state, answers);
    forgetOnlineFile(state);

    Making making(state, answers, workspace, drives, messages, hooks);
    bool written = false;
    try {
        written = making.write();
    } catch (const IoError& error) {
        messages.inform(error.what());
    }
    if (!written) {
        making.undo();
        forgetOnlineFile(state);
        messages.inform(std::string(kOnlineFileNotMadeMessage));
        return {MakeOnlineOutcome::NotMade, {}, {}, {}};
    }

    MakeOnlineResult result{MakeOnlineOutcome::Made, making.onlineFile, making.destination, {}};
    state.online.date = onlineFileDateText(fileChangedAt(making.destination, hooks.now()));
    takeBackupCopy(workspace, state.online.serialNumber, making.destination, messages);
    nextSerial(workspace, messages, hooks.settingsWait);
    state.online.pathAndName = making.onlineFile;
    state.online.availability = kOnlineFileHereText;
    result.storageFile = saveStoredRows(state, StorageMode::Online, workspace, messages, hooks.now());
    settings.setString(kOnlinefilDrive, std::string(1, letter != 0 ? letter : 'C'));
    return result;
}

}  // namespace andel
