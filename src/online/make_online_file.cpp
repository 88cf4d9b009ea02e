#include "online/make_online_file.h"

#include "model/player.h"
#include "model/text.h"
#include "online/online_backup.h"
#include "online/online_file_name.h"
#include "online/online_submission.h"
#include "settings/drive_settings.h"
#include "platform/file_io.h"
#include "platform/file_lock.h"
#include "platform/file_time.h"
#include "platform/io_error.h"
#include "settings/serial_counter.h"
#include "storage/storage_save.h"
#include "workbench/recompute.h"
#include "workbench/syndicate_change.h"

#include <memory>
#include <vector>

namespace andel {
namespace fs = std::filesystem;

namespace {

constexpr int kMakingLockPauseMs = 100;
constexpr int kMakingLockWaits = 200;  // 20 s: longer than any making

// Swallows the messages of a step whose failure changes nothing for the agent.
class SilentMessages : public Messages {
public:
    bool show(const Message&) override { return true; }
};

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
        // Taken (read and advanced) at once, so no other making can get the same number.
        serial_ = takeSerial(workspace_, messages_, hooks_.settingsWait);
        if (!serial_) {
            messages_.inform(std::string(kSerialNotTakenMessage));
            return false;
        }
        const std::string serial = std::to_string(*serial_);
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

    // Removes what this run put at the destination and in the backup directory, and
    // gives the serial number back so it is not skipped.
    void undo() {
        try {
            if (!destination.empty() && (!existedBefore_ || writerWrote_)) removeFileIfExists(destination);
            if (backupTaken) {
                removeFileIfExists(workspace_.file(std::string(kBackupDirectoryName)) /
                                   backupFileName(std::to_string(*serial_)));
            }
        } catch (const IoError&) {
        }
        if (serial_) {
            SilentMessages quiet;
            try {
                returnSerial(workspace_, *serial_, quiet, hooks_.settingsWait);
            } catch (const IoError&) {
            }
        }
    }

    std::string onlineFile;
    fs::path destination;
    bool backupTaken = false;

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
    std::optional<int> serial_;
    bool existedBefore_ = false;
    bool writerWrote_ = false;
};

// One making at a time per working directory: the serial number, TPP.TMP and TT.TMP are
// shared by every making there. A second one waits a while, then is refused.
std::unique_ptr<ExclusiveFileLock> holdMakingLock(const Workspace& workspace, Messages& messages,
                                                  const WaitFunction& wait) {
    const fs::path file = workspace.file(std::string(kMakingLockFileName));
    for (int waited = 0;; ++waited) {
        auto lock = std::make_unique<ExclusiveFileLock>(file, LockOpen::CreateIfMissing);
        if (lock->locked()) return lock;
        if (lock->access() == FileAccess::NotPermitted) {
            messages.inform(std::string(kWorkingDirectoryReadOnlyMessage) + "\r" + workspace.displayName());
            return nullptr;
        }
        if (lock->access() == FileAccess::LockFailed) {
            messages.inform(notLockableText(file, lock->lockError()) + "\rOnlinefilen er ikke laget.");
            return nullptr;
        }
        if (waited == kMakingLockWaits) {
            messages.inform(std::string(kMakingBusyMessage));
            return nullptr;
        }
        wait(kMakingLockPauseMs);
    }
}

}  // namespace

std::string driveUnavailableMessage(std::string_view directory) {
    return "ONLINEFIL-KATALOG\r" + std::string(directory) + " er ikke tilgjengelig" + "\r\r" +
           "Kan ikke lage onlinfil dit !!???" + "\r" + "Prøv på nytt med et annet valg";
}

// A longer number cannot be written and a shorter one is padded with zeros, so the agent
// confirms it was meant.
bool confirmPlayerNumber(const std::string& playerNumber, Messages& messages) {
    const std::size_t digits = digitsOnly(playerNumber).size();
    if (digits == 9) return true;
    const std::string count = "Spillenummeret har " + std::to_string(digits) + " siffer";
    if (digits > 9) {
        messages.inform(count + "; det kan ha høyst 9.\rOnlinefilen er ikke laget.");
        return false;
    }
    Message question{count + ", ikke 9. Lage onlinefilen likevel?", MessageButtons::YesNo, MessagePlacement::Centred};
    question.defaultAnswer = MessageDefault::No;
    return messages.show(question);
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
    if (!hooks.playerNumberConfirmed && !confirmPlayerNumber(answers.playerNumber, messages)) return {};
    SettingsStore settings = mainStore(workspace, messages, hooks.settingsWait);
    const DriveMap drives = settingsDriveMap(workspace, settings);
    const char letter = driveLetterOf(answers.directory);
    if (letter != 0 && !drives.available(letter)) {
        messages.inform(driveUnavailableMessage(answers.directory), MessagePlacement::FromMainWindowCorner, 200, 100);
        return {};
    }
    const auto makingLock = holdMakingLock(workspace, messages, hooks.settingsWait);
    if (!makingLock) return {};
    takeDialogPlayer(state, answers);
    forgetOnlineFile(state);

    // Each step after the writing is checked as well: a making that stops anywhere leaves
    // neither a file nor a copy nor a stored syndicate, and keeps its serial number.
    Making making(state, answers, workspace, drives, messages, hooks);
    std::optional<fs::path> storageFile;
    try {
        if (making.write()) {
            state.online.date = onlineFileDateText(fileChangedAt(making.destination, hooks.now()));
            making.backupTaken = takeBackupCopy(workspace, state.online.serialNumber, making.destination, messages);
            if (making.backupTaken) {
                state.online.pathAndName = making.onlineFile;
                state.online.availability = kOnlineFileHereText;
                storageFile = saveStoredRows(state, StorageMode::Online, workspace, messages, hooks.now());
            }
        }
    } catch (const IoError& error) {
        messages.inform(error.what());
    }
    if (!storageFile) {
        making.undo();
        forgetOnlineFile(state);
        messages.inform(std::string(kOnlineFileNotMadeMessage));
        return {MakeOnlineOutcome::NotMade, {}, {}, {}};
    }
    settings.setString(kOnlinefilDrive, std::string(1, letter != 0 ? letter : 'C'));
    return {MakeOnlineOutcome::Made, making.onlineFile, making.destination, storageFile};
}

}  // namespace andel
