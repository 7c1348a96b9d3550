#include "records/required_files.h"

namespace tablamor {

std::string MissingFileText(const std::filesystem::path& path) {
    return "Cannot find file:\n" + path.string() +
           "\nCopy the file into the directory that above is specified\nor reinstall the program.";
}

std::string MissingImageFileText(const std::filesystem::path& path) {
    return "Cannot find images file:\n" + path.string() +
           "\nSome program components cannot be shown correctly.\nCopy the file into the directory "
           "that above is specified\nor reinstall the program.";
}

} // namespace tablamor

namespace tablamor {
namespace {

bool Require(const std::filesystem::path& path, MessageSink& sink,
             std::string (*text)(const std::filesystem::path&)) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return true;
    sink.Show(MessageKind::Fatal, text(path));
    return false;
}

} // namespace

bool RequireFile(const std::filesystem::path& path, MessageSink& sink) {
    return Require(path, sink, MissingFileText);
}

bool RequireImageFile(const std::filesystem::path& path, MessageSink& sink) {
    return Require(path, sink, MissingImageFileText);
}

} // namespace tablamor
