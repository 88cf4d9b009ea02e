#pragma once
// Where a window test's C:\NTFILE is: c/NTFILE in the test's own folder, which the
// test's settings name as drive C (DRIVE_C), or on Windows, where a letter is the real
// drive and the setting does not apply, C:\NTFILE itself (under Wine, the prefix's own).
#include <filesystem>

namespace andel::test {

inline std::filesystem::path onlineFolderOfDriveC(const std::filesystem::path& testFolder) {
#ifdef _WIN32
    static_cast<void>(testFolder);
    return "C:\\NTFILE";
#else
    return testFolder / "c" / "NTFILE";
#endif
}

}  // namespace andel::test
