#pragma once

namespace spanwright {

// The Roman calendar's days, as Latin registers still wrote them: each day
// counted, inclusively, to the next of the month's three fixed days, the
// Kalends (the 1st), the Nones (the 7th in March, May, July and October,
// else the 5th) and the Ides (eight days after the Nones: the 15th or the
// 13th). "a.d. XIV Kal. Jun." is the fourteenth day before the Kalends of
// June counting both, 19 May; the day before one is pridie, the second.
enum class RomanFixedDay : unsigned char { Kalends, Nones, Ides };

int nonesOf(int month);
int idesOf(int month);

// The month and day that count days before the fixed day of the month
// name (1 the day itself, 2 pridie) in a year of leapYear: false where the
// count runs past the fixed day before. In a leap year the day after
// a.d. VI Kal. Mar. (24 February) was the bissextile day, counted VI again:
// from a.d. VII Kal. Mar. back the days lie one earlier, and a.d. VI Kal.
// Mar. is both days, 24 and 25 February (lastDay says the second).
bool romanDay(RomanFixedDay fixed, int month, int count, bool leapYear, int& dayMonth, int& day, int& lastDay);

} // namespace spanwright
