#pragma once

#include "exitstatus.h"
#include "span.h"

#include <string>
#include <string_view>

// The window's message for an end date before the begin date.
constexpr std::string_view EndBeforeBeginMessage = "Error - Death Date Before Birth date";

struct SpanCalculation
{
    ExitStatus status = ExitSuccess;
    std::string problem; // why not, when status is not ExitSuccess
    Span span;
};

// The span between two date texts as the window's Calculate command works it
// out: the end date read first, then the begin date, then their order.
SpanCalculation calculateSpan(std::string_view beginText, std::string_view endText,
                              std::string_view beginRole = "begin date",
                              std::string_view endRole = "end date");
