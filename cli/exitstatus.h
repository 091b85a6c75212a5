#pragma once

#include "exitcodes.h"

#include <CLI/Error.hpp>

// Thrown by a subcommand's action to end the program with a status, once it
// has said why on standard error.
inline CLI::RuntimeError exitWith(spanwright::ExitStatus status)
{
    return CLI::RuntimeError(status);
}
