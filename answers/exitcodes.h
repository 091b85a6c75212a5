#pragma once

namespace spanwright {

// The program's exit statuses.
enum ExitStatus : int {
    ExitSuccess = 0,
    // The question has no answer: an end date before the begin date, an age
    // that no date gives, rows that could not be calculated.
    ExitNoAnswer = 1,
    // The command itself is wrong: a text that is not a date or an age, an
    // unknown option, a file that cannot be read.
    ExitUsage = 2,
};

} // namespace spanwright
