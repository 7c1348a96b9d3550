#pragma once
// The 16 x 16 pictures of the game and customize trees: folders (plain and with a badge, closed
// and open), entry icons for card backs, backgrounds and cards, and one picture per game family.
#include <QImage>

#include <string_view>

namespace tablamor::art {

// The picture of one of the names in kTreePictures; a plain folder for any other name.
QImage TreePicture(std::string_view name);

} // namespace tablamor::art
