#pragma once
// Where the table's pictures come from: bitmap files under the program directory's "Images\"
// and named pictures of the resource library "SOL.RGF".
//
// ImageSource reads them; a missing or unreadable file leaves the caller's picture as it was.
// ResourceLibrary registers the library for as long as it lives. CheckImageFile is the start-up
// check of a file the program cannot do without; ending the program after its message is the
// caller's business.
#include <QImage>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tablamor::table {

class ImageSource {
public:
    explicit ImageSource(std::filesystem::path programDir);

    // Loads "Images\" + name + ".bmp" into `target`; false, and `target` untouched, when the file
    // is missing or is not a picture.
    bool LoadBitmapFile(std::string_view fileName, QImage& target) const;
    // A named picture of the registered resource library; a null image when there is none.
    QImage LoadResourceBitmap(std::string_view name) const;

    const std::filesystem::path& ProgramDir() const { return programDir_; }

private:
    std::filesystem::path programDir_;
};

class ResourceLibrary {
public:
    // Registers programDir/SOL.RGF. When that fails, Loaded() is false and Error() holds
    // "Can't find/load " + the library's full path in lower case.
    explicit ResourceLibrary(const std::filesystem::path& programDir);
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    bool Loaded() const { return loaded_; }
    const std::string& Error() const { return error_; }

private:
    std::string path_;
    bool loaded_ = false;
    std::string error_;
};

// nullopt when the program-directory file `name` ("Images\CB001C.bmp") exists; otherwise the
// "Cannot find images file:" message naming its path.
std::optional<std::string> CheckImageFile(const std::filesystem::path& programDir,
                                          std::string_view name);

} // namespace tablamor::table
