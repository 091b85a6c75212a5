#include "spancalculation.h"

#include "datereading.h"

SpanCalculation calculateSpan(std::string_view beginText, std::string_view endText,
                              std::string_view beginRole, std::string_view endRole)
{
    SpanCalculation result;
    DateFields end;
    DateFields begin;
    result.problem = readDateFor(endRole, endText, end);
    if (result.problem.empty())
        result.problem = readDateFor(beginRole, beginText, begin);
    if (!result.problem.empty()) {
        result.status = ExitUsage;
        return result;
    }
    if (endsBefore(end, begin)) {
        result.status = ExitNoAnswer;
        result.problem = EndBeforeBeginMessage;
        return result;
    }
    result.span = elapsedSpan(begin, end);
    return result;
}
