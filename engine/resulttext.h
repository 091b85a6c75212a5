#pragma once

#include <string>
#include <string_view>

// Text form of an elapsed count: one leading blank before a number that is
// not negative, a minus sign before a negative one. Whole numbers have no
// decimal point; fractions use a period and a zero before it (" 0.5"), with
// at most 15 significant digits.
std::string countText(double count);

// Removes the leading blanks (spaces only) of the text, in place.
void stripLeadingBlanks(std::string& text);

// months, sep, days, sep, years: "9/22/39".
std::string numericEntry(std::string_view months, std::string_view days,
                         std::string_view years, std::string_view separator);

// "39 Year(s), 9 month(s), 22 day(s)".
std::string wordedEntry(std::string_view months, std::string_view days,
                        std::string_view years);
