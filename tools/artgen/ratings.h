#pragma once
// The rating pictures of the open-a-game dialog: a bar of segments whose filled length tells the
// rating (so it reads without colour), green for the player's side of the scale and red for the
// hard side. Difficulty: easy 1 of 3 .. hard 3 of 3. Chance of winning: very high 5 of 5 .. very
// low 1 of 5. Game time: long 3 of 3 .. quick 1 of 3, with a clock face in front.
#include <QImage>

namespace tablamor::art {

enum class RatingKind { Difficulty, Chance, GameTime };

// `value` as the game file stores it (0 first).
QImage RatingPicture(RatingKind kind, int value);

} // namespace tablamor::art
