#include "records/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tablamor {
namespace {

bool WriteAll(int fd, std::string_view content) {
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

void SyncDirectory(const std::filesystem::path& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    std::string pattern = (dir / (std::string(kTempFilePrefix) + "XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return {WriteFailure::CreateTemp, std::strerror(errno), {}};
    std::filesystem::path temp = pattern;

    bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    int savedErrno = errno;
    // Keep the target's permissions where it exists; mkstemp makes the file 0600.
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    else
        ::fchmod(fd, 0644);
    if (::close(fd) != 0 && written) {
        written = false;
        savedErrno = errno;
    }
    if (!written) {
        std::filesystem::remove(temp, ec);
        return {WriteFailure::CreateTemp, std::strerror(savedErrno), {}};
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        savedErrno = errno;
        std::filesystem::remove(temp, ec);
        return {WriteFailure::Rename, std::strerror(savedErrno), temp};
    }
    SyncDirectory(dir);
    return {};
}

void RemoveStrayTempFiles(const std::filesystem::path& dir) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().starts_with(kTempFilePrefix))
            std::filesystem::remove(it->path(), ec);
    }
}

bool ReadWholeFile(const std::filesystem::path& file, std::string& content) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    content = std::move(buffer).str();
    return !in.bad();
}

} // namespace tablamor
