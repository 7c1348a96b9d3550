#pragma once
// Smooth value noise that repeats exactly over a tile, for textures that must join seamlessly
// when the tile is repeated.
#include <cstdint>
#include <vector>

namespace tablamor::art {

class TileNoise {
public:
    // `cells` lattice cells across the tile in each direction; values are drawn from `seed`.
    TileNoise(int cells, std::uint64_t seed) : TileNoise(cells, cells, seed) {}
    // Different numbers of cells across and down: streaks along the direction with fewer.
    TileNoise(int cellsX, int cellsY, std::uint64_t seed);

    // Noise in [0, 1) at (u, v), both in tile units (the tile is [0, 1) x [0, 1)); any real
    // value wraps around.
    double At(double u, double v) const;

    // Sum of `octaves` layers, each with twice the cells and half the weight of the one before;
    // normalised to [0, 1).
    static double Fractal(const std::vector<TileNoise>& layers, double u, double v);

    // The layers for Fractal: base cells doubled per octave, seeds derived from `seed`.
    static std::vector<TileNoise> Layers(int baseCells, int octaves, std::uint64_t seed);

private:
    int cellsX_;
    int cellsY_;
    std::vector<double> lattice_;
    double Lattice(int i, int j) const;
};

} // namespace tablamor::art
