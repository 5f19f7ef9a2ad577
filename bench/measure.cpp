#include "bench/measure.h"

#include <QFile>

#include <algorithm>
#include <unistd.h>

bool Figure::met() const
{
    if (!measured)
        return false;
    if (max_ratio > 0 && ratio() > max_ratio)
        return false;
    if (max_value > 0 && value >= max_value)
        return false;
    return true;
}

QString Figure::line() const
{
    if (!measured)
        return QStringLiteral("%1: not measured (%2)").arg(name, note);
    return QStringLiteral("%1: %2 %3 (baseline %4 %3, ratio %5)")
        .arg(name)
        .arg(value, 0, 'f', value < 10 ? 3 : 1)
        .arg(unit)
        .arg(baseline, 0, 'f', baseline < 10 ? 3 : 1)
        .arg(ratio(), 0, 'f', 2);
}

double median(QList<double> samples)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const qsizetype n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

Medians measure_pair(int runs, int warmup, const Sample &a, const Sample &b)
{
    for (int i = 0; i < warmup; ++i) {
        a();
        b();
    }
    QList<double> as;
    QList<double> bs;
    for (int i = 0; i < runs; ++i) {
        // Alternating the order keeps a steady drift from favouring one side.
        if (i % 2) {
            bs.append(b());
            as.append(a());
        } else {
            as.append(a());
            bs.append(b());
        }
    }
    return {median(as), median(bs)};
}

QList<double> measure_all(int runs, int warmup, const QList<Sample> &samples)
{
    const qsizetype n = samples.size();
    for (int i = 0; i < warmup; ++i) {
        for (const Sample &sample : samples)
            sample();
    }
    QList<QList<double>> times(n);
    for (int i = 0; i < runs; ++i) {
        for (qsizetype k = 0; k < n; ++k) {
            const qsizetype which = (k + i) % n;
            times[which].append(samples[which]());
        }
    }
    QList<double> medians;
    for (const QList<double> &t : times)
        medians.append(median(t));
    return medians;
}

double elapsed_ms(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

qint64 resident_bytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields[1].toLongLong() * sysconf(_SC_PAGESIZE);
}

namespace {
volatile qsizetype sink = 0;
} // namespace

void keep(qsizetype value)
{
    sink = value;
}
