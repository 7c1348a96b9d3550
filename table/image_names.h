#pragma once
// Names of the table's pictures, as the artwork generator writes them into the program
// directory:
//   Images\<face, back or background file name>.bmp
//   SOL.RGF, a Qt binary resource file whose pictures load as ":/SOL/<name>".
// Every name containing a size letter ("B", "M" or "P") exists once per card size.
#include <string>
#include <string_view>

namespace tablamor::table {

inline constexpr std::string_view kResourceLibraryName = "SOL.RGF";
inline constexpr std::string_view kImagesDirectory = "Images\\";
inline constexpr std::string_view kBitmapExtension = ".bmp";
// The face file that must be present when the program starts.
inline constexpr std::string_view kRequiredFaceFile = "Images\\CB001C.bmp";

// Suit letters of the face files, in card-code order (hearts, diamonds, clubs, spades).
inline constexpr std::string_view kSuitLetters = "HDCS";

// "CB001H": size letter, three-digit card set, suit letter.
std::string FaceFileName(char sizeLetter, int cardSet, char suitLetter);
// "DB011": size letter, three-digit back number.
std::string BackFileName(char sizeLetter, int back);
// "B324": three-digit background number.
std::string BackgroundFileName(int number);
// "Images\" + name + ".bmp", the program-directory name of a bitmap file.
std::string ImageFilePath(std::string_view fileName);

// Named pictures of the resource library.
std::string MarkName(char sizeLetter, int mark);    // "WB022"
std::string ShadowName(char sizeLetter, int which); // "SHADOW_B1" (1 vertical, 2 horizontal)
std::string BorderName(char sizeLetter, int which); // "3D_BORDER_B1" (1 right, 2 bottom)
// ":/SOL/" + name: where a named picture lies once the library is registered.
std::string ResourcePath(std::string_view name);

} // namespace tablamor::table
