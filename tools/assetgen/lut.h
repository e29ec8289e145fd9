#pragma once

#include <QImage>

#include <functional>

// Colour lookup images in the common 64-level layout: 512 x 512, 8 x 8
// tiles of 64 x 64. Blue level b picks tile b (row-major); inside a tile
// red level runs along x and green level along y. Level n is stored as
// round(n * 255 / 63).
namespace Lut {

constexpr int levels = 64;
constexpr int tile = 64;
constexpr int size = 512;

// Maps an input colour (components 0..1) to the output colour.
using Grade = std::function<void(double &r, double &g, double &b)>;

QImage draw(const Grade &grade);
QImage identity();

} // namespace Lut
