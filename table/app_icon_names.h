#pragma once
// The application icon's pictures in SOL.RGF, shared by the artwork generator that draws them and
// the program that gives them to every window. Plain C++: no Qt needed to include it.
//
// "APP_ICON_16" .. "APP_ICON_256": square, with alpha, at the sizes desktops ask for. The same
// drawing is installed into the icon theme (share/icons/hicolor) under the program's desktop name.
#include <array>
#include <string>

namespace tablamor::art {

inline constexpr std::array<int, 8> kAppIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

inline std::string AppIconName(int size) {
    return "APP_ICON_" + std::to_string(size);
}

} // namespace tablamor::art
