// Shared drawing helpers for the media generator: a small deterministic
// random generator, fonts loaded from Debian's TTF files, supersampled
// rendering and a few shading tricks used by every picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <functional>

namespace mg {

// xorshift64*: tiny, fast and the same on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed);
    std::uint32_t next();
    double uniform();                       // [0, 1)
    double range(double lo, double hi);     // [lo, hi)
    int below(int n);                       // [0, n)
    template <typename T, std::size_t N>
    const T &pick(const T (&items)[N]) { return items[below(int(N))]; }

private:
    std::uint64_t m_state;
};

enum class Face { Sans, SansBold, SansCondensedBold, Serif, SerifBold, SerifBoldItalic };

// Registers the Debian fonts with the application; false if one is missing.
bool loadFonts();
QFont font(Face face, qreal pixelSize);

struct Output {
    QString mediaDir;
    QString audioDir;
    bool ok = true;
    void fail(const QString &what);
};

// Every picture is drawn at drawScale() device pixels per logical pixel: 1
// for the files read on ordinary screens, 2 for the name@2x files read on
// high-density ones. Sizes and places in the drawing code stay logical.
int drawScale();
void setDrawScale(int scale);

// Writes name.jpg, or name@2x.jpg while drawing at scale 2.
void saveJpeg(Output &out, const QImage &img, const QString &name);
void savePng(Output &out, const QImage &img, const QString &name);

using DrawFn = std::function<void(QPainter &)>;

// Paints `draw` in logical coordinates of `size` at `ss` times the
// resolution and scales the result down smoothly to `size` times the scale.
QImage render(QSize size, int ss, QColor fill, const DrawFn &draw);
QImage downscale(const QImage &img, QSize size);
// A blank picture of logical `size` and a painter on it in logical units.
QImage scaledCanvas(QSize size);
void useLogicalUnits(QPainter &p);
// The part of `ground` at logical `place` with `layer` drawn over it: a
// picture the program lays on that place of a background.
QImage drawnOver(const QImage &ground, const QRect &place, const QImage &layer);

QColor mix(const QColor &a, const QColor &b, double t);
QColor withAlpha(QColor c, int alpha);

// Soft shadow of `path`, offset by `off`, `blur` logical pixels wide.
void softShadow(QPainter &p, const QPainterPath &path, QPointF off, qreal blur, int alpha);
// Fills `path` with a top-lit gradient of `base` plus a glossy highlight.
void glossyFill(QPainter &p, const QPainterPath &path, const QColor &base, bool highlight = true);
// Fills with a vertical gradient from `top` to `bottom`.
void vFill(QPainter &p, const QPainterPath &path, const QColor &top, const QColor &bottom);
// A five-pointed star centred on `c`.
QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points = 5, qreal rotDeg = -90);
// A four-pointed twinkle.
void sparkle(QPainter &p, QPointF c, qreal r, const QColor &col);
// Scattered confetti pieces inside `area`, skipping the rectangles in `avoid`.
void confetti(QPainter &p, Rng &rng, const QRectF &area, int count, qreal size,
              const QList<QRectF> &avoid = {}, int alpha = 255);
// A wavy paper streamer along a sine from `a` to `b`.
void streamer(QPainter &p, QPointF a, QPointF b, qreal amp, qreal waves, qreal width,
              const QColor &col);

// A glossy party balloon centred on `c` whose string runs to `knotTo`.
void drawBalloon(QPainter &p, QPointF c, qreal r, const QColor &col, QPointF knotTo);

// Festive palette shared by the pictures.
extern const QColor kPartyColours[8];

} // namespace mg
