#pragma once
// The few system calls through which the record files are examined, opened, read and written.
// FileSystem passes each straight to the system; a test puts its own subclass in place with
// FileSystemOverride to make chosen calls fail. Each call answers as the system call of the same
// name does: -1 (or a negative count) with errno set on failure.
#include <cstddef>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

namespace tablamor {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual int Open(const char* path, int flags, mode_t mode);
    virtual int Stat(const char* path, struct stat& st);
    virtual int FStat(int fd, struct stat& st);
    virtual ssize_t PRead(int fd, void* buffer, std::size_t count, off_t offset);
    virtual ssize_t Write(int fd, const void* buffer, std::size_t count);
    virtual int FSync(int fd);
    virtual int FChmod(int fd, mode_t mode);
    virtual int FTruncate(int fd, off_t length);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    // Moves `from` to `to` only when `to` does not exist (EEXIST otherwise); never replaces.
    virtual int RenameNoReplace(const char* from, const char* to);
    virtual int Unlink(const char* path);
};

// The file system the record I/O uses now.
FileSystem& Files();

// Puts `files` in place of the current file system for the lifetime of the object.
class FileSystemOverride {
public:
    explicit FileSystemOverride(FileSystem& files);
    ~FileSystemOverride();
    FileSystemOverride(const FileSystemOverride&) = delete;
    FileSystemOverride& operator=(const FileSystemOverride&) = delete;

private:
    FileSystem* previous_;
};

// Writes all of `bytes` at the file's position; false (errno set) when a write fails.
bool WriteAll(int fd, std::string_view bytes);

// The system's text for an error number ("Input/output error").
const char* ErrorText(int error);

} // namespace tablamor
