#include "tools/artgen/tile_noise.h"

#include "table/card_art/det_random.h"

#include <cmath>

namespace tablamor::art {

TileNoise::TileNoise(int cellsX, int cellsY, std::uint64_t seed)
    : cellsX_(cellsX), cellsY_(cellsY) {
    DetRandom random(seed);
    lattice_.resize(static_cast<std::size_t>(cellsX) * static_cast<std::size_t>(cellsY));
    for (double& value : lattice_) value = random.Unit();
}

double TileNoise::Lattice(int i, int j) const {
    int wi = ((i % cellsX_) + cellsX_) % cellsX_;
    int wj = ((j % cellsY_) + cellsY_) % cellsY_;
    return lattice_[static_cast<std::size_t>(wj) * static_cast<std::size_t>(cellsX_) +
                    static_cast<std::size_t>(wi)];
}

double TileNoise::At(double u, double v) const {
    double x = u * cellsX_;
    double y = v * cellsY_;
    double fx = std::floor(x);
    double fy = std::floor(y);
    int i = static_cast<int>(fx);
    int j = static_cast<int>(fy);
    double tx = x - fx;
    double ty = y - fy;
    // Smoothstep keeps the surface free of creases along the lattice lines.
    double sx = tx * tx * (3.0 - 2.0 * tx);
    double sy = ty * ty * (3.0 - 2.0 * ty);
    double top = Lattice(i, j) + (Lattice(i + 1, j) - Lattice(i, j)) * sx;
    double bottom = Lattice(i, j + 1) + (Lattice(i + 1, j + 1) - Lattice(i, j + 1)) * sx;
    return top + (bottom - top) * sy;
}

std::vector<TileNoise> TileNoise::Layers(int baseCells, int octaves, std::uint64_t seed) {
    std::vector<TileNoise> layers;
    for (int k = 0; k < octaves; ++k)
        layers.emplace_back(baseCells << k, seed * 7919U + static_cast<std::uint64_t>(k));
    return layers;
}

double TileNoise::Fractal(const std::vector<TileNoise>& layers, double u, double v) {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (const TileNoise& layer : layers) {
        sum += layer.At(u, v) * weight;
        total += weight;
        weight *= 0.5;
    }
    return total > 0.0 ? sum / total : 0.0;
}

} // namespace tablamor::art
