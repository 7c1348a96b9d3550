#include "table/image_names.h"

namespace tablamor::table {

std::string ImageFilePath(std::string_view fileName) {
    std::string path(kImagesDirectory);
    path.append(fileName);
    path.append(kBitmapExtension);
    return path;
}

} // namespace tablamor::table
