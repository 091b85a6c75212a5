#pragma once

namespace spanwright {

// How a job over many questions ended, where some may answer and others not:
// a batch run, a narrow CSV run, a person's records narrowed. The single
// answers (a span, the days, the dates an age allows, a conversion) return
// a Result instead (spanwright/result.h); only these jobs use Outcome. Each
// front end shows it in its own way: the command line as its exit status,
// the page and the packages as a mark or an exception.
enum class Outcome {
    Answered,
    // The job is understood and has no whole answer: rows that could not be
    // calculated, records that no birth date fits.
    NoAnswer,
    // The job is not understood: an input that cannot be read, a column that
    // is not there, a record that is not a date or an age.
    NotRead,
};

} // namespace spanwright
