#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <functional>

// One measured figure and the baseline measured beside it.
struct Figure {
    Figure(const QString &figure_name, const QString &figure_unit)
        : name(figure_name), unit(figure_unit) {}

    QString name;
    QString unit;
    double value = 0;
    double baseline = 0;
    double max_ratio = 0; // the target; 0 for none
    double max_value = 0; // an absolute target in `unit`; 0 for none
    bool measured = true;
    QString note;         // why the figure could not be measured

    double ratio() const { return baseline > 0 ? value / baseline : 0; }
    bool met() const;
    QString line() const;
};

double median(QList<double> samples);

// A sample is one run that times itself (in ms), so set-up and clean-up can
// stay outside the clock.
using Sample = std::function<double()>;

struct Medians {
    double a = 0;
    double b = 0;
};

// Runs a and b in turn `runs` times, after `warmup` untimed rounds of each,
// and returns the median of each.
Medians measure_pair(int runs, int warmup, const Sample &a, const Sample &b);

// The same for any number of samples, in a rotating order.
QList<double> measure_all(int runs, int warmup, const QList<Sample> &samples);

double elapsed_ms(const QElapsedTimer &timer);

// Resident set size of this process in bytes, from /proc/self/statm.
qint64 resident_bytes();

// Keeps a value alive so the compiler cannot drop the work that made it.
void keep(qsizetype value);
