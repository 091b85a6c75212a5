#pragma once

#include "outcome.h"

#include <spanwright/problem.h>

#include <CLI/Error.hpp>

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

inline ExitStatus exitStatusOf(spanwright::Outcome outcome)
{
    switch (outcome) {
    case spanwright::Outcome::Answered:
        return ExitSuccess;
    case spanwright::Outcome::NoAnswer:
        return ExitNoAnswer;
    case spanwright::Outcome::NotRead:
        break;
    }
    return ExitUsage;
}

// A single answer's problem: a question not understood is a usage error.
inline ExitStatus exitStatusOf(spanwright::ProblemKind kind)
{
    switch (kind) {
    case spanwright::ProblemKind::NoAnswer:
        return ExitNoAnswer;
    case spanwright::ProblemKind::NotRead:
        break;
    }
    return ExitUsage;
}

// Thrown by a subcommand's action to end the program with a status, once it
// has said why on standard error.
inline CLI::RuntimeError exitWith(ExitStatus status)
{
    return CLI::RuntimeError(status);
}

inline CLI::RuntimeError exitWith(spanwright::Outcome outcome)
{
    return exitWith(exitStatusOf(outcome));
}

inline CLI::RuntimeError exitWith(spanwright::ProblemKind kind)
{
    return exitWith(exitStatusOf(kind));
}
