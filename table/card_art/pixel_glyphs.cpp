#include "table/card_art/pixel_glyphs.h"

#include <QPainter>

#include <cstring>

namespace tablamor::art {
namespace {

// Rows of each rank, ace to king, '#' set.
constexpr const char* kGlyphs[13][kRankGlyphHeight] = {
    {"..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"},               // A
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},               // 2
    {"####.", "....#", "....#", ".###.", "....#", "....#", "####."},               // 3
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},               // 4
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},               // 5
    {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."},               // 6
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},               // 7
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},               // 8
    {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."},               // 9
    {".#..##.", "##.#..#", ".#.#..#", ".#.#..#", ".#.#..#", ".#.#..#", "###.##."}, // 10
    {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."},               // J
    {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"},               // Q
    {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"},               // K
};

} // namespace

int RankGlyphWidth(int rank) {
    if (rank < 1 || rank > 13) return 0;
    return static_cast<int>(std::strlen(kGlyphs[rank - 1][0]));
}

void DrawRankGlyph(QPainter& painter, int rank, int x, int y, const QColor& color, bool inverted,
                   bool bold) {
    if (rank < 1 || rank > 13) return;
    int width = RankGlyphWidth(rank);
    int span = width + (bold ? 1 : 0);
    for (int r = 0; r < kRankGlyphHeight; ++r)
        for (int c = 0; c < width; ++c) {
            if (kGlyphs[rank - 1][r][c] != '#') continue;
            for (int extra = 0; extra <= (bold ? 1 : 0); ++extra) {
                int col = c + extra;
                int px = inverted ? x + span - 1 - col : x + col;
                int py = inverted ? y + kRankGlyphHeight - 1 - r : y + r;
                painter.fillRect(px, py, 1, 1, color);
            }
        }
}

} // namespace tablamor::art
