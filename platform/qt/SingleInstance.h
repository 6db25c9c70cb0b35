// One running instance per machine: an exclusive lock on a file in the
// system temporary folder, shared by all users. The lock goes away with the
// process, however it ends.
#pragma once

#include <string>

namespace halvane::platform {

class SingleInstance {
public:
    explicit SingleInstance(std::string lockPath = DefaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another process holds the lock.
    [[nodiscard]] bool AnotherIsRunning() const { return fd_ >= 0 && !owner_; }
    [[nodiscard]] static std::string DefaultLockPath();

private:
    int fd_ = -1;
    bool owner_ = false;
};

}  // namespace halvane::platform
