#pragma once

// The message of a refused result for a test's failure text, "" for an
// answer: QVERIFY2 builds its message whether the check fails or not, and a
// Result's problem is there only when it holds no answer.
template <typename Refused>
const char* whyNot(const Refused& result)
{
    return result ? "" : result.problem().message.c_str();
}
