#include "ui/common/sleep.h"

#include <QThread>

namespace {

SleepHandler &handler()
{
    static SleepHandler current;
    return current;
}

} // namespace

void set_sleep_handler(SleepHandler h)
{
    handler() = std::move(h);
}

void sleep_ms(int ms)
{
    if (handler())
        handler()(ms);
    else
        QThread::msleep(ms);
}
