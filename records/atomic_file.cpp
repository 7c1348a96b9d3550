#include "records/atomic_file.h"

#include "records/block_scan.h"
#include "records/file_system.h"
#include "records/record_handle.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace tablamor {
namespace {

constexpr int kTempNameAttempts = 100;
constexpr mode_t kNewFileMode = 0644;
constexpr mode_t kPermissionBits = 07777;

WriteResult Failed(WriteFailure failure, int error, std::filesystem::path temp = {}) {
    WriteResult result;
    result.failure = failure;
    result.error = error;
    result.tempPath = std::move(temp);
    return result;
}

void SyncDirectory(const std::filesystem::path& dir) {
    int fd = Files().Open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        Files().FSync(fd);
        Files().Close(fd);
    }
}

// Creates a new temporary file in `dir`, named with this process's id; its descriptor, or -1.
int CreateTempFile(const std::filesystem::path& dir, std::filesystem::path& temp) {
    static std::mt19937 random{std::random_device{}()};
    const std::string stem = std::string(kTempFilePrefix) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        temp = dir / (stem + std::to_string(random()));
        int fd = Files().Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The process id in a temporary file's name; nullopt for a name without one.
std::optional<pid_t> WriterOf(std::string_view name) {
    name.remove_prefix(kTempFilePrefix.size());
    pid_t pid = 0;
    auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (ec != std::errc() || end == name.data() || end == name.data() + name.size() || *end != '-')
        return std::nullopt;
    return pid;
}

bool Running(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}

} // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                                WriteMode mode) {
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    // The new file keeps the permissions of the one it replaces.
    mode_t permissions = kNewFileMode;
    if (mode == WriteMode::Replace) {
        struct stat st {};
        if (Files().Stat(target.c_str(), st) == 0)
            permissions = st.st_mode & kPermissionBits;
        else if (errno != ENOENT)
            return Failed(WriteFailure::Inspect, errno);
    }

    std::filesystem::path temp;
    int fd = CreateTempFile(dir, temp);
    if (fd < 0) return Failed(WriteFailure::CreateTemp, errno);
    bool written =
        WriteAll(fd, content) && Files().FChmod(fd, permissions) == 0 && Files().FSync(fd) == 0;
    int savedErrno = errno;
    std::optional<struct stat> status{std::in_place};
    if (!written || Files().FStat(fd, *status) != 0) status.reset();
    if (Files().Close(fd) != 0 && written) {
        written = false;
        savedErrno = errno;
    }
    if (!written) {
        Files().Unlink(temp.c_str());
        return Failed(WriteFailure::CreateTemp, savedErrno);
    }
    int moved = mode == WriteMode::Replace ? Files().Rename(temp.c_str(), target.c_str())
                                           : Files().RenameNoReplace(temp.c_str(), target.c_str());
    if (moved != 0) {
        savedErrno = errno;
        Files().Unlink(temp.c_str());
        return Failed(WriteFailure::Rename, savedErrno, temp);
    }
    SyncDirectory(dir);
    WriteResult done;
    done.written = status;
    return done;
}

void ReportWriteFailure(const std::filesystem::path& file, const WriteResult& result,
                        MessageSink& sink) {
    const std::string reason = file.string() + ": " + ErrorText(result.error);
    switch (result.failure) {
    case WriteFailure::None:
        return;
    case WriteFailure::CreateTemp:
        sink.Show(MessageKind::Plain, "Error creating temp file.\n" + reason);
        return;
    case WriteFailure::Rename:
        sink.Show(MessageKind::Plain, "Error renaming file: " + result.tempPath.string() +
                                          "\nwith: " + file.string() + "\n" +
                                          ErrorText(result.error));
        return;
    case WriteFailure::Inspect:
        sink.Show(MessageKind::Plain, CannotOpenText(file, ErrorText(result.error)));
        return;
    }
}

int RemoveStrayTempFiles(const std::filesystem::path& dir) {
    int removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(kTempFilePrefix)) continue;
        // A name without a process id comes from an older version, whose writers held the lock.
        std::optional<pid_t> writer = WriterOf(name);
        if (writer && Running(*writer)) continue;
        if (Files().Unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

FileRead ReadWholeFile(const std::filesystem::path& file, std::string& content) {
    RecordHandle handle = RecordHandle::Open(file, false);
    if (!handle.IsOpen())
        return {handle.Missing() ? FileRead::Missing : FileRead::Failed, handle.Error()};
    BlockReader reader(handle.Descriptor());
    std::string text;
    // To the end of the file, which may have grown since it was opened.
    while (reader.ReadSome(text.size(), kBlockSize, text) == kBlockSize)
        if (text.size() > kMaxRecordFileSize) return {FileRead::Failed, RecordFileTooLarge()};
    if (reader.Failed()) return {FileRead::Failed, reader.Error()};
    content = std::move(text);
    return {FileRead::Read, {}};
}

} // namespace tablamor
