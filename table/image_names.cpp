#include "table/image_names.h"

#include <initializer_list>

namespace tablamor::table {
namespace {

constexpr std::string_view kResourceRoot = ":/SOL/";
constexpr std::size_t kNumberDigits = 3;

std::string ThreeDigits(int n) {
    std::string digits = std::to_string(n);
    if (digits.size() < kNumberDigits) digits.insert(0, kNumberDigits - digits.size(), '0');
    return digits;
}

// Builds a name piece by piece (operator+ chains of short strings give GCC 12 false warnings).
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string name;
    for (std::string_view part : parts) name.append(part);
    return name;
}

std::string_view Letter(const char& c) {
    return {&c, 1};
}

} // namespace

std::string FaceFileName(char sizeLetter, int cardSet, char suitLetter) {
    return Join({"C", Letter(sizeLetter), ThreeDigits(cardSet), Letter(suitLetter)});
}

std::string BackFileName(char sizeLetter, int back) {
    return Join({"D", Letter(sizeLetter), ThreeDigits(back)});
}

std::string BackgroundFileName(int number) {
    return Join({"B", ThreeDigits(number)});
}

std::string ImageFilePath(std::string_view fileName) {
    return Join({kImagesDirectory, fileName, kBitmapExtension});
}

std::string MarkName(char sizeLetter, int mark) {
    return Join({"W", Letter(sizeLetter), ThreeDigits(mark)});
}

std::string ShadowName(char sizeLetter, int which) {
    return Join({"SHADOW_", Letter(sizeLetter), std::to_string(which)});
}

std::string BorderName(char sizeLetter, int which) {
    return Join({"3D_BORDER_", Letter(sizeLetter), std::to_string(which)});
}

std::string ResourcePath(std::string_view name) {
    return Join({kResourceRoot, name});
}

} // namespace tablamor::table
