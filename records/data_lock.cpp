#include "records/data_lock.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tablamor {
namespace {

constexpr std::chrono::milliseconds kFirstPause{1};
constexpr std::chrono::milliseconds kLongestPause{50};

// The directories this process holds locked, with the descriptor that holds each and the
// number of DataDirLock objects sharing it.
struct Hold {
    dev_t device;
    ino_t inode;
    int fd;
    int count;
};

std::mutex& HoldsMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<Hold>& Holds() {
    static std::vector<Hold> holds;
    return holds;
}

Hold* Find(dev_t device, ino_t inode) {
    for (Hold& h : Holds())
        if (h.device == device && h.inode == inode) return &h;
    return nullptr;
}

enum class Locking { Locked, Busy, Failed };

// Tries for the lock until `wait` has passed, pausing a little longer each time.
Locking LockWithin(int fd, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::chrono::milliseconds pause = kFirstPause;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return Locking::Locked;
        if (errno != EWOULDBLOCK && errno != EINTR) return Locking::Failed;
        if (std::chrono::steady_clock::now() >= deadline) return Locking::Busy;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, kLongestPause);
    }
}

} // namespace

DataDirLock::DataDirLock(const std::filesystem::path& dataDir, std::chrono::milliseconds wait) {
    int fd = ::open(dataDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return;
    }
    std::lock_guard guard(HoldsMutex());
    if (Hold* h = Find(st.st_dev, st.st_ino)) {
        ++h->count;
        ::close(fd);
    } else if (Locking result = LockWithin(fd, wait); result == Locking::Locked) {
        Holds().push_back({st.st_dev, st.st_ino, fd, 1});
    } else {
        busy_ = result == Locking::Busy;
        ::close(fd);
        return;
    }
    held_ = true;
    device_ = st.st_dev;
    inode_ = st.st_ino;
}

DataDirLock::~DataDirLock() {
    if (!held_) return;
    std::lock_guard guard(HoldsMutex());
    Hold* h = Find(device_, inode_);
    if (!h || --h->count > 0) return;
    ::close(h->fd); // closing releases the lock
    std::erase_if(Holds(), [&](const Hold& x) { return &x == h; });
}

std::string DataDirBusyText(const std::filesystem::path& dataDir) {
    return "Cannot lock the data directory " + dataDir.string() +
           ": another copy of the program keeps it busy";
}

} // namespace tablamor
