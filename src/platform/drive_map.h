#pragma once
// Drive letters of the paths the agent chooses ("A:\NTFILE"). Paths are kept and shown in
// their Windows form so stored files stay interchangeable; only file access resolves them.
// On Windows a letter is the drive itself. Elsewhere letter X is the directory named by the
// lookup (the setting DRIVE_X, see settings/drive_settings.h) when it names one; otherwise C
// is the user's home directory and A the first mounted removable medium; every other letter
// is not available.
#include "platform/workspace.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// Where the letters C and A point when no setting names them.
struct DriveDefaults {
    std::filesystem::path home;
    std::vector<std::filesystem::path> mediaParents;  // each child directory is a medium
};

// This user's home directory, /media/USER and /run/media/USER.
DriveDefaults systemDriveDefaults();

// The directory text a letter ('A'..'Z') is set to, or nothing when it is not set.
using DriveSetting = std::function<std::optional<std::string>(char letter)>;

class DriveMap {
public:
    DriveMap(const Workspace& workspace, DriveSetting setting,
             DriveDefaults defaults = systemDriveDefaults());

    // The directory a letter stands for, when it exists.
    std::optional<std::filesystem::path> drive(char letter) const;
    bool available(char letter) const { return drive(letter).has_value(); }

    // "C:\NTFILE\X.NTF" to a real path; nothing when its drive is not available. A path
    // without a drive letter is taken relative to the working directory. A component
    // whose exact spelling is missing on disk matches an entry that differs only in case.
    std::optional<std::filesystem::path> resolve(std::string_view windowsPath) const;
    // Whether a file of a Windows-form path is there now (false when its drive is not).
    bool fileExists(std::string_view windowsPath) const;

private:
    const Workspace* workspace_;
    DriveSetting setting_;
    DriveDefaults defaults_;
};

// The drive letter of a Windows-form path ("c:\x" gives 'C'), or 0 when it has none.
char driveLetterOf(std::string_view windowsPath);

// Directory and name joined with one "\" as the program shows them.
std::string joinWindowsPath(std::string_view directory, std::string_view name);

}  // namespace andel
