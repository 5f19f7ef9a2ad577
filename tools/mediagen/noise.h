// Value noise and fractal sums of it for the procedural backdrops, plus a
// helper that evaluates a colour function on a reduced grid and scales the
// result up smoothly.
#pragma once

#include "common.h"

#include <array>

namespace mg {

class Noise {
public:
    explicit Noise(std::uint64_t seed);
    double at(double x, double y) const;                  // [0, 1]
    double fbm(double x, double y, int octaves) const;    // [0, 1]
    double turbulence(double x, double y, int octaves) const;

private:
    double lattice(int x, int y) const;
    std::array<std::uint16_t, 512> m_perm;
    std::array<float, 256> m_value;
};

using PixelFn = std::function<QRgb(double x, double y)>;

// Evaluates `fn` in logical coordinates of `size` on a grid of 1 / `reduce`
// of the device pixels, then scales it up to the whole picture.
QImage shade(QSize size, int reduce, const PixelFn &fn);

double smoothstep(double e0, double e1, double x);
QRgb mixRgb(QRgb a, QRgb b, double t);

constexpr QSize kBackdropSize(1280, 800);

// Backdrops painted with shapes rather than noise alone.
QImage rosesBackdrop();
QImage shellsBackdrop();

} // namespace mg
