#pragma once

namespace spanwright {

// A day, numbered as every calendar of the library numbers it: days since
// 1 January of the year 1 of the Gregorian calendar, which is day 0; days
// before it are negative. Only the arithmetic that means something on days
// is offered: a day and a count of days give a day, two days give the count
// between them, and days compare. Adding two days, or a day to a year, does
// not compile. The number goes in and out explicitly, for formatting and
// tables; the type costs nothing beyond the integer it holds.
class Day
{
public:
    constexpr Day() = default;
    constexpr explicit Day(long long number) : number_(number) {}

    constexpr long long number() const { return number_; }

    constexpr Day& operator+=(long long days)
    {
        number_ += days;
        return *this;
    }
    constexpr Day& operator-=(long long days)
    {
        number_ -= days;
        return *this;
    }
    constexpr Day& operator++()
    {
        ++number_;
        return *this;
    }
    constexpr Day& operator--()
    {
        --number_;
        return *this;
    }
    constexpr Day operator++(int)
    {
        const Day before = *this;
        ++number_;
        return before;
    }
    constexpr Day operator--(int)
    {
        const Day before = *this;
        --number_;
        return before;
    }

    friend constexpr Day operator+(Day day, long long days) { return Day(day.number_ + days); }
    friend constexpr Day operator+(long long days, Day day) { return Day(day.number_ + days); }
    friend constexpr Day operator-(Day day, long long days) { return Day(day.number_ - days); }
    // The days from b to a: 0 for the same day, negative when a is earlier.
    friend constexpr long long operator-(Day a, Day b) { return a.number_ - b.number_; }

    friend constexpr bool operator==(Day a, Day b) { return a.number_ == b.number_; }
    friend constexpr bool operator!=(Day a, Day b) { return a.number_ != b.number_; }
    friend constexpr bool operator<(Day a, Day b) { return a.number_ < b.number_; }
    friend constexpr bool operator>(Day a, Day b) { return a.number_ > b.number_; }
    friend constexpr bool operator<=(Day a, Day b) { return a.number_ <= b.number_; }
    friend constexpr bool operator>=(Day a, Day b) { return a.number_ >= b.number_; }

private:
    long long number_ = 0;
};

} // namespace spanwright
