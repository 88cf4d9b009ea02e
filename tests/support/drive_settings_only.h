#pragma once
// For tests that give drive letters through the DRIVE_X settings. On Windows the letters
// are the real drives and the settings do not apply, so such a test runs elsewhere only;
// under Wine the tool's scripts take the same roads through drives of the Wine prefix.
#include <gtest/gtest.h>

#ifdef _WIN32
#define SKIP_ON_REAL_DRIVES() GTEST_SKIP() << "drive letters are the real drives on Windows"
#else
#define SKIP_ON_REAL_DRIVES() static_cast<void>(0)
#endif
