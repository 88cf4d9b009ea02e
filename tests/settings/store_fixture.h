#pragma once
// A store over config.kvs in a fresh directory, with the waits recorded instead of slept.
#include "settings/settings_store.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace andel::test {

class StoreTest : public ::testing::Test {
protected:
    std::filesystem::path storeFile() const { return dir.file("config.kvs"); }

    TempDir dir;
    RecordingMessages messages;
    std::vector<int> waits;
    std::function<void()> afterWait;  // lets a test change the world while the store waits
    SettingsStore store{storeFile(), messages, [this](int ms) {
                            waits.push_back(ms);
                            if (afterWait) afterWait();
                        }};
};

}  // namespace andel::test
