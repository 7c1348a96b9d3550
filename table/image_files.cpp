#include "table/image_files.h"

#include "records/paths.h"
#include "records/required_files.h"
#include "table/image_names.h"

#include <QResource>
#include <QString>

#include <algorithm>
#include <cctype>
#include <system_error>

namespace tablamor::table {
namespace {

constexpr std::string_view kLoadFailure = "Can't find/load ";

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace

ImageSource::ImageSource(std::filesystem::path programDir) : programDir_(std::move(programDir)) {}

bool ImageSource::LoadBitmapFile(std::string_view fileName, QImage& target) const {
    const std::filesystem::path path = ProgramPath(programDir_, ImageFilePath(fileName));
    if (!IsRegularFile(path)) return false;
    QImage loaded(QString::fromStdString(path.string()));
    if (loaded.isNull()) return false;
    target = std::move(loaded);
    return true;
}

QImage ImageSource::LoadResourceBitmap(std::string_view name) const {
    return QImage(QString::fromStdString(ResourcePath(name)));
}

ResourceLibrary::ResourceLibrary(const std::filesystem::path& programDir) {
    const std::filesystem::path path = ProgramPath(programDir, kResourceLibraryName);
    path_ = path.string();
    loaded_ = IsRegularFile(path) && QResource::registerResource(QString::fromStdString(path_));
    if (!loaded_) error_ = std::string(kLoadFailure) + LowerCase(path_);
}

ResourceLibrary::~ResourceLibrary() {
    if (loaded_) QResource::unregisterResource(QString::fromStdString(path_));
}

std::optional<std::string> CheckImageFile(const std::filesystem::path& programDir,
                                          std::string_view name) {
    const std::filesystem::path path = ProgramPath(programDir, name);
    if (IsRegularFile(path)) return std::nullopt;
    return MissingImageFileText(path);
}

} // namespace tablamor::table
