#include "table/image_names.h"

namespace tablamor::table {
namespace {

constexpr std::string_view kResourceRoot = ":/SOL/";
constexpr std::size_t kNumberDigits = 3;

std::string ThreeDigits(int n) {
    std::string digits = std::to_string(n);
    if (digits.size() < kNumberDigits) digits.insert(0, kNumberDigits - digits.size(), '0');
    return digits;
}

} // namespace

std::string FaceFileName(char sizeLetter, int cardSet, char suitLetter) {
    return std::string("C") + sizeLetter + ThreeDigits(cardSet) + suitLetter;
}

std::string BackFileName(char sizeLetter, int back) {
    return std::string("D") + sizeLetter + ThreeDigits(back);
}

std::string BackgroundFileName(int number) {
    return "B" + ThreeDigits(number);
}

std::string ImageFilePath(std::string_view fileName) {
    return std::string(kImagesDirectory) + std::string(fileName) + std::string(kBitmapExtension);
}

std::string MarkName(char sizeLetter, int mark) {
    return std::string("W") + sizeLetter + ThreeDigits(mark);
}

std::string ShadowName(char sizeLetter, int which) {
    return "SHADOW_" + std::string(1, sizeLetter) + std::to_string(which);
}

std::string BorderName(char sizeLetter, int which) {
    return "3D_BORDER_" + std::string(1, sizeLetter) + std::to_string(which);
}

std::string ResourcePath(std::string_view name) {
    return std::string(kResourceRoot) + std::string(name);
}

} // namespace tablamor::table
