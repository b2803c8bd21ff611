#include "fakes/fake_clock.h"

namespace pixo {
namespace {

constexpr long long kMillisecondsPerDay = 24LL * 60 * 60 * 1000;

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[(month - 1 + 12) % 12];
}

}  // namespace

void FakeClock::Sleep(int milliseconds) {
    sleeps.push_back(milliseconds);
    if (milliseconds > 0)
        Advance(milliseconds);
}

void FakeClock::Advance(long long milliseconds) {
    ticks += milliseconds;
    long long ofDay = (((now.hour * 60LL + now.minute) * 60 + now.second) * 1000 + now.millisecond) + milliseconds;
    long long days = ofDay / kMillisecondsPerDay;
    ofDay %= kMillisecondsPerDay;
    now.millisecond = static_cast<int>(ofDay % 1000);
    now.second = static_cast<int>(ofDay / 1000 % 60);
    now.minute = static_cast<int>(ofDay / 60000 % 60);
    now.hour = static_cast<int>(ofDay / 3600000);
    for (; days > 0; --days) {
        if (++now.day > DaysInMonth(now.year, now.month)) {
            now.day = 1;
            if (++now.month > 12) {
                now.month = 1;
                ++now.year;
            }
        }
    }
}

}  // namespace pixo
