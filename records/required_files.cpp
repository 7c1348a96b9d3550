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
