#pragma once

#include <functional>

// Blocks the calling thread for `ms` milliseconds.
void sleep_ms(int ms);

// Tests record the waits instead: the handler is called instead of a sleep.
using SleepHandler = std::function<void(int ms)>;
void set_sleep_handler(SleepHandler handler); // empty for real sleeps
