#pragma once
// Root passes every file permission check, so a test of a read-only file or directory
// would see nothing refused when the suite runs as root. While this object lives, the
// calling thread meets file permissions as an ordinary user does (the capabilities that
// override them are taken out of its effective set and given back afterwards). For an
// ordinary user it changes nothing.
#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace andel::test {

class HonourFilePermissions {
public:
    HonourFilePermissions() {
#ifdef __linux__
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
            reduced[capability / 32].effective &= ~(1u << (capability % 32));
        }
        dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
#endif
    }
    ~HonourFilePermissions() {
#ifdef __linux__
        if (dropped_) ::syscall(SYS_capset, &header_, saved_);
#endif
    }
    HonourFilePermissions(const HonourFilePermissions&) = delete;
    HonourFilePermissions& operator=(const HonourFilePermissions&) = delete;

private:
#ifdef __linux__
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
#endif
};

}  // namespace andel::test
