#include "noise.h"

#include <cmath>

namespace mg {

Noise::Noise(std::uint64_t seed)
{
    Rng rng(seed);
    for (int i = 0; i < 256; ++i) {
        m_perm[i] = std::uint16_t(i);
        m_value[i] = float(rng.uniform());
    }
    for (int i = 255; i > 0; --i)
        std::swap(m_perm[i], m_perm[rng.below(i + 1)]);
    for (int i = 0; i < 256; ++i)
        m_perm[256 + i] = m_perm[i];
}

double Noise::lattice(int x, int y) const
{
    return m_value[m_perm[(m_perm[x & 255] + y) & 511] & 255];
}

double Noise::at(double x, double y) const
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * tx * (tx * (tx * 6 - 15) + 10);
    ty = ty * ty * ty * (ty * (ty * 6 - 15) + 10);
    const double a = lattice(ix, iy), b = lattice(ix + 1, iy);
    const double c = lattice(ix, iy + 1), d = lattice(ix + 1, iy + 1);
    const double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double Noise::fbm(double x, double y, int octaves) const
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * at(x, y);
        norm += amp;
        // Rotate each octave a little so the lattice does not show.
        const double nx = x * 1.6 + y * 1.2 + 17.3, ny = -x * 1.2 + y * 1.6 + 3.1;
        x = nx;
        y = ny;
        amp *= 0.5;
    }
    return sum / norm;
}

double Noise::turbulence(double x, double y, int octaves) const
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * std::fabs(at(x, y) * 2 - 1);
        norm += amp;
        const double nx = x * 1.6 + y * 1.2 + 5.7, ny = -x * 1.2 + y * 1.6 + 11.9;
        x = nx;
        y = ny;
        amp *= 0.5;
    }
    return sum / norm;
}

double smoothstep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QRgb mixRgb(QRgb a, QRgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto ch = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

QImage shade(QSize size, int reduce, const PixelFn &fn)
{
    const QSize full = size * drawScale();
    const QSize small(full.width() / reduce, full.height() / reduce);
    QImage img(small, QImage::Format_RGB32);
    const double sx = double(size.width()) / small.width(), sy = double(size.height()) / small.height();
    for (int y = 0; y < small.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < small.width(); ++x)
            line[x] = fn((x + 0.5) * sx, (y + 0.5) * sy);
    }
    return img.scaled(full, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace mg
