#pragma once
// The table's pictures by name: the names the artwork generator writes (table/resource_names.h),
// and the program-directory paths the table reads the bitmaps from:
//   Images\<face, back or background file name>.bmp
//   SOL.RGF, a Qt binary resource file whose pictures load as ":/SOL/<name>".
// Every name containing a size letter ("B", "M" or "P") exists once per card size.
#include "table/resource_names.h"

#include <string>
#include <string_view>

namespace tablamor::table {

using art::BackFileName;       // "DB011": size letter, three-digit back number
using art::BackgroundFileName; // "B324": three-digit background number
using art::BorderName;         // "3D_BORDER_B1" (1 right, 2 bottom)
using art::FaceFileName;       // "CB001H": size letter, three-digit card set, suit letter
using art::kSuitLetters;       // hearts, diamonds, clubs, spades: card-code order
using art::MarkName;           // "WB022"
using art::ResourcePath;       // ":/SOL/" + name, once the library is registered
using art::ShadowName;         // "SHADOW_B1" (1 vertical, 2 horizontal)

inline constexpr std::string_view kResourceLibraryName = art::kResourceFile;
inline constexpr std::string_view kImagesDirectory = "Images\\";
inline constexpr std::string_view kBitmapExtension = ".bmp";
// The face file that must be present when the program starts.
inline constexpr std::string_view kRequiredFaceFile = "Images\\CB001C.bmp";

// "Images\" + name + ".bmp", the program-directory name of a bitmap file.
std::string ImageFilePath(std::string_view fileName);

} // namespace tablamor::table
