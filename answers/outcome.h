#pragma once

namespace spanwright {

// How a question put to the answers ended. Each front end shows it in its
// own way: the command line as its exit status, the page and the packages
// as a mark or an exception.
enum class Outcome {
    Answered,
    // The question is understood and has no answer: an end date before the
    // begin date, an age that no date gives, rows that could not be
    // calculated.
    NoAnswer,
    // The question is not understood: a text that is not a date or an age,
    // an unknown calendar, an input that cannot be read.
    NotRead,
};

} // namespace spanwright
