#pragma once

#include "age.h"
#include "calendardate.h"
#include "datetext.h"

#include <string>
#include <string_view>

// The date forms the reader takes, named in its message.
constexpr std::string_view AcceptedDateForms =
    "accepted forms, month first: 5/17/1990, 5-17-1990, 5.17.1990, May 17, 1990";

// Reading the texts of a command or a row. Each returns "" when the text was
// read, and otherwise why not, naming the text by its role ("begin date",
// "END date", "age"...).

// A date as the window reads it. The message names the accepted forms.
std::string readDateFor(std::string_view role, std::string_view text, DateFields& fields);

// A real calendar date: whole day, month and year, from 1/1/0001 on.
std::string readCalendarDateFor(std::string_view role, std::string_view text, CalendarDate& date);

// A stated age.
std::string readAgeFor(std::string_view role, std::string_view text, Age& age);
