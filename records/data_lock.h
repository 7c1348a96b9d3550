#pragma once
// Keeps a second copy of the program from changing the record files while this one reads,
// changes and writes them: an exclusive lock on the data directory for the lifetime of the
// object. The lock is waited for a bounded time only; when another copy keeps it longer,
// Busy() is true and the caller gives up its update and says so. Without a lock (the directory
// cannot be opened) the work goes ahead unguarded.
//
// Within one process the lock nests: a second object on a directory this process already holds
// shares the hold instead of waiting for itself. Callers keep the lock only around file work,
// never while a message is shown.
#include <chrono>
#include <filesystem>
#include <string>

namespace tablamor {

class DataDirLock {
public:
    static constexpr std::chrono::milliseconds kDefaultWait{5000};

    explicit DataDirLock(const std::filesystem::path& dataDir,
                         std::chrono::milliseconds wait = kDefaultWait);
    ~DataDirLock();
    DataDirLock(const DataDirLock&) = delete;
    DataDirLock& operator=(const DataDirLock&) = delete;

    bool Held() const { return held_; }
    // Another process kept the lock for the whole wait.
    bool Busy() const { return busy_; }

private:
    bool held_ = false;
    bool busy_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

// The message for an update given up because another copy kept the directory locked.
std::string DataDirBusyText(const std::filesystem::path& dataDir);

} // namespace tablamor
