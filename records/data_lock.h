#pragma once
// Keeps a second copy of the program from changing the record files while this one reads,
// changes and writes them: an exclusive lock on the data directory for the lifetime of the
// object. Without a lock (the directory cannot be opened) the work goes ahead unguarded.
#include <filesystem>

namespace tablamor {

class DataDirLock {
public:
    explicit DataDirLock(const std::filesystem::path& dataDir);
    ~DataDirLock();
    DataDirLock(const DataDirLock&) = delete;
    DataDirLock& operator=(const DataDirLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace tablamor
