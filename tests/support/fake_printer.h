#pragma once
// A receipt printer's raw network port on 127.0.0.1 for the tests: it records the bytes of
// each connection, or, as a printer that does not answer, takes no connection at all.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace andel::test {

class FakePrinter {
public:
    enum class Mode { Record, Silent };
    explicit FakePrinter(Mode mode = Mode::Record);
    ~FakePrinter();
    FakePrinter(const FakePrinter&) = delete;
    FakePrinter& operator=(const FakePrinter&) = delete;

    int port() const { return port_; }
    // The bytes of the next job: waits until its connection is closed (empty after 5 s).
    std::string nextJob();

private:
    void serve();

    Mode mode_;
    std::intptr_t listener_ = -1, filler_ = -1;
    int port_ = 0;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> jobs_;
    std::thread thread_;
};

}  // namespace andel::test
