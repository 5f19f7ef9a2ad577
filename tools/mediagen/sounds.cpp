// The start-up jingle and the sound effects a host can give a board, all
// synthesised here and written as 16-bit mono PCM WAV at 44.1 kHz, all
// equally loud to the ear.
#include "generators.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <vector>

namespace mg {

namespace {

constexpr int kRate = 44100;
using Samples = std::vector<double>;

Samples silence(double seconds) { return Samples(std::size_t(seconds * kRate), 0.0); }

// RBJ band-pass biquad, used to colour noise.
class BandPass {
public:
    BandPass(double freq, double q)
    {
        const double w = 2 * M_PI * freq / kRate, alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        m_b0 = alpha / a0;
        m_b2 = -alpha / a0;
        m_a1 = -2 * std::cos(w) / a0;
        m_a2 = (1 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

double noteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A struck, bell-like note: a few partials with their own decays.
void bell(Samples &out, double start, double freq, double dur, double gain,
          const std::vector<double> &partials = {1, 2, 3, 4.2})
{
    const std::size_t s0 = std::size_t(start * kRate);
    const std::size_t n = std::size_t(dur * kRate);
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.004);
        double v = 0;
        for (std::size_t k = 0; k < partials.size(); ++k)
            v += std::sin(2 * M_PI * freq * partials[k] * t) * std::exp(-t * (3.0 + 4.0 * k)) / (1.0 + k);
        out[s0 + i] += gain * attack * v;
    }
}

// A brassy held note: harmonics rolling off, a little vibrato, swell and release.
void brass(Samples &out, double start, double freq, double dur, double gain)
{
    const std::size_t s0 = std::size_t(start * kRate);
    const std::size_t n = std::size_t(dur * kRate);
    double phase = 0;
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t / 0.03) * std::min(1.0, (dur - t) / 0.06);
        const double vib = 1 + 0.006 * std::sin(2 * M_PI * 5.5 * t) * std::min(1.0, t / 0.3);
        phase += 2 * M_PI * freq * vib / kRate;
        const double bright = 0.55 + 0.45 * std::min(1.0, t / 0.08);
        double v = 0;
        for (int k = 1; k <= 8; ++k)
            v += std::sin(phase * k) * std::pow(bright, k - 1) / k;
        out[s0 + i] += gain * env * v;
    }
}

// Fades the ends, so nothing clicks.
void fadeEnds(Samples &s)
{
    const std::size_t in = std::size_t(0.006 * kRate), out = std::size_t(0.04 * kRate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        double g = 1;
        if (i < in)
            g *= double(i) / in;
        if (i + out >= s.size())
            g *= double(s.size() - 1 - i) / out;
        s[i] *= g;
    }
}

void scale(Samples &s, double gain)
{
    for (double &v : s)
        v *= gain;
}

// Holds every peak under `ceiling`: the gain falls over the 2 ms before a
// peak and recovers over about 60 ms after it, so the sound is not torn.
void limit(Samples &s, double ceiling)
{
    const std::size_t ahead = std::size_t(0.002 * kRate);
    const double release = std::exp(-1.0 / (0.06 * kRate));
    std::vector<double> need(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        need[i] = std::min(1.0, ceiling / std::max(1e-9, std::fabs(s[i])));
    // The lowest gain any sample within the look-ahead asks for ...
    std::vector<double> g(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        double m = 1;
        for (std::size_t k = i; k < std::min(s.size(), i + ahead + 1); ++k)
            m = std::min(m, need[k]);
        g[i] = m;
    }
    // ... reached smoothly and let go slowly.
    double env = 1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        env = g[i] < env ? g[i] : g[i] + (env - g[i]) * release;
        s[i] *= env;
    }
}

// Brings the sound to the common loudness, -16 LUFS (EBU R128), by the gain
// found for it (the media test measures the result). The limiter holds the
// samples under -2.1 dBFS, which leaves room for the peaks between them.
void normalise(Samples &s, double gainDb)
{
    fadeEnds(s);
    scale(s, std::pow(10.0, gainDb / 20));
    limit(s, std::pow(10.0, -2.13 / 20));
}

void putLE(QByteArray &b, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

bool writeWav(const QString &path, const Samples &s)
{
    QByteArray data;
    const quint32 bytes = quint32(s.size() * 2);
    data.append("RIFF");
    putLE(data, 36 + bytes, 4);
    data.append("WAVEfmt ");
    putLE(data, 16, 4);
    putLE(data, 1, 2);         // PCM
    putLE(data, 1, 2);         // mono
    putLE(data, kRate, 4);
    putLE(data, kRate * 2, 4); // bytes per second
    putLE(data, 2, 2);         // block align
    putLE(data, 16, 2);        // bits per sample
    data.append("data");
    putLE(data, bytes, 4);
    for (double v : s)
        putLE(data, quint16(qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767))), 2);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

Samples jingle()
{
    Samples s = silence(2.4);
    const int melody[] = {72, 76, 79, 84, 81, 84};
    const double at[] = {0.0, 0.14, 0.28, 0.42, 0.62, 0.80};
    for (int i = 0; i < 6; ++i)
        bell(s, at[i], noteHz(melody[i]), 1.0, 0.5);
    for (int m : {72, 76, 79, 84})
        bell(s, 1.02, noteHz(m), 1.35, 0.32);
    for (int i = 0; i < 4; ++i)
        bell(s, i * 0.28, noteHz(48 + (i % 2) * 7), 0.5, 0.35, {1, 2});
    bell(s, 1.02, noteHz(48), 1.3, 0.45, {1, 2});
    return s;
}

Samples applause()
{
    Samples s = silence(1.8);
    Rng rng(1);
    for (int clap = 0; clap < 170; ++clap) {
        const double start = rng.range(0.0, 1.55);
        BandPass band(rng.range(900, 2600), 1.2);
        const double gain = rng.range(0.4, 1.0);
        const std::size_t s0 = std::size_t(start * kRate);
        for (std::size_t i = 0; i < std::size_t(0.03 * kRate) && s0 + i < s.size(); ++i) {
            const double t = double(i) / kRate;
            s[s0 + i] += gain * band(rng.range(-1, 1)) * std::exp(-t * 180);
        }
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        s[i] *= std::min(1.0, t / 0.15) * std::min(1.0, (1.8 - t) / 0.5);
    }
    return s;
}

Samples chime()
{
    Samples s = silence(1.6);
    const std::vector<double> tubular = {1, 2.76, 5.4, 8.93};
    bell(s, 0.0, noteHz(88), 1.5, 0.6, tubular);
    bell(s, 0.18, noteHz(84), 1.4, 0.6, tubular);
    return s;
}

Samples drumRoll()
{
    Samples s = silence(1.9);
    Rng rng(3);
    BandPass snare(3200, 0.7);
    auto hit = [&](double at, double gain, double decay) {
        const std::size_t s0 = std::size_t(at * kRate);
        for (std::size_t i = 0; i < std::size_t(0.25 * kRate) && s0 + i < s.size(); ++i) {
            const double t = double(i) / kRate;
            const double body = std::sin(2 * M_PI * 190 * t) * std::exp(-t * 40) * 0.5;
            s[s0 + i] += gain * (snare(rng.range(-1, 1)) * 1.6 + body) * std::exp(-t * decay);
        }
    };
    for (double t = 0.02; t < 1.45; t += 0.036)
        hit(t + rng.range(-0.003, 0.003), 0.25 + 0.5 * t / 1.45, 45);
    hit(1.5, 1.3, 9);
    return s;
}

Samples fanfare()
{
    Samples s = silence(1.9);
    const int notes[] = {67, 72, 76, 79};
    const double at[] = {0.0, 0.16, 0.32, 0.5};
    const double len[] = {0.15, 0.15, 0.17, 1.3};
    for (int i = 0; i < 4; ++i) {
        brass(s, at[i], noteHz(notes[i]), len[i], 0.5);
        brass(s, at[i], noteHz(notes[i] - 12), len[i], 0.25);
    }
    brass(s, 0.5, noteHz(76), 1.3, 0.3);
    return s;
}

Samples pop()
{
    Samples s = silence(0.28);
    Rng rng(5);
    double phase = 0;
    BandPass click(2000, 0.8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        phase += 2 * M_PI * (900 * std::exp(-t * 30) + 180) / kRate;
        s[i] = std::sin(phase) * std::exp(-t * 26) + click(rng.range(-1, 1)) * std::exp(-t * 120) * 0.8;
    }
    return s;
}

Samples slideWhistle()
{
    Samples s = silence(1.5);
    Rng rng(6);
    BandPass breath(2500, 2);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double u = t / 1.5;
        // Up in the first half, down again, with the player's wobble.
        const double pitch = 500 + 1300 * std::sin(M_PI * std::min(1.0, u * 1.25)) * (u < 0.4 ? u / 0.4 : 1.0);
        phase += 2 * M_PI * pitch * (1 + 0.01 * std::sin(2 * M_PI * 6 * t)) / kRate;
        s[i] = std::sin(phase) + 0.12 * std::sin(phase * 2) + breath(rng.range(-1, 1)) * 0.15;
        s[i] *= std::min(1.0, t / 0.05) * std::min(1.0, (1.5 - t) / 0.15);
    }
    return s;
}

Samples sparkleSound()
{
    Samples s = silence(1.3);
    Rng rng(7);
    const int scale[] = {84, 86, 88, 91, 93, 96, 98, 100};
    for (int i = 0; i < 18; ++i) {
        const double at = i * 0.045 + rng.range(0, 0.02);
        bell(s, at, noteHz(scale[rng.below(8)]), 0.45, rng.range(0.2, 0.4), {1, 2.4, 4.1});
    }
    return s;
}

Samples oops()
{
    Samples s = silence(1.0);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const bool second = t >= 0.38;
        const double lt = second ? t - 0.38 : t;
        const double len = second ? 0.55 : 0.3;
        const double freq = second ? 392 - 60 * std::min(1.0, lt / len) : 523;
        phase += 2 * M_PI * freq / kRate;
        const double env = lt < len ? std::min(1.0, lt / 0.02) * std::min(1.0, (len - lt) / 0.08) : 0;
        // A "wah": the brightness opens and closes during each syllable.
        const double open = std::sin(M_PI * std::min(1.0, lt / len));
        double v = 0;
        for (int k = 1; k <= 6; ++k)
            v += std::sin(phase * k) * std::pow(0.3 + 0.5 * open, k - 1) / k;
        s[i] = env * v;
    }
    return s;
}

Samples partyHorn()
{
    Samples s = silence(1.1);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double freq = 330 + 40 * std::min(1.0, t / 0.15) + 8 * std::sin(2 * M_PI * 7 * t);
        phase += 2 * M_PI * freq / kRate;
        double v = 0;
        for (int k = 1; k <= 12; ++k)
            v += std::sin(phase * k) * (k % 2 ? 1.0 : 0.6) / k;
        s[i] = v * std::min(1.0, t / 0.04) * std::min(1.0, (1.1 - t) / 0.12);
    }
    return s;
}

} // namespace

void writeSounds(Output &out)
{
    struct Effect {
        const char *name;
        Samples (*make)();
        double gainDb;
    };
    const Effect effects[] = {
        {"Applause", applause, 6.9},     {"Chime", chime, -4.6}, {"Drum Roll", drumRoll, -1.7},
        {"Fanfare", fanfare, -10.8},     {"Pop", pop, 34.0},     {"Slide Whistle", slideWhistle, -12.7},
        {"Sparkle", sparkleSound, -9.3}, {"Oops", oops, -10.8},  {"Party Horn", partyHorn, -12.8},
    };
    Samples start = jingle();
    normalise(start, -7.0);
    if (!writeWav(out.mediaDir + QStringLiteral("/ptime.wav"), start))
        out.fail(QStringLiteral("cannot write ptime.wav"));
    for (const Effect &e : effects) {
        Samples s = e.make();
        normalise(s, e.gainDb);
        const QString path = out.audioDir + QLatin1Char('/') + QLatin1String(e.name) + QStringLiteral(".wav");
        if (!writeWav(path, s))
            out.fail(QStringLiteral("cannot write ") + path);
    }
}

} // namespace mg
