#pragma once

#include <spanwright/problem.h>

#include <utility>
#include <variant>

namespace spanwright {

// An answer or the problem that stopped it, never both: a function of the
// library returns one of these instead of a flag and a message. A reader
// whose refusal says more than a Problem (the order under which a date would
// read) names its own refusal type.
template <typename T, typename E = Problem>
class Result
{
public:
    Result(T value) : outcome_(std::in_place_index<0>, std::move(value)) {} // NOLINT: implicit on purpose
    Result(E problem) : outcome_(std::in_place_index<1>, std::move(problem)) {} // NOLINT

    bool ok() const { return outcome_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The answer; only when ok() (std::bad_variant_access otherwise).
    const T& value() const { return std::get<0>(outcome_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    T& value() { return std::get<0>(outcome_); }
    T& operator*() { return value(); }
    T* operator->() { return &value(); }

    // The problem; only when !ok() (std::bad_variant_access otherwise).
    const E& problem() const { return std::get<1>(outcome_); }

private:
    std::variant<T, E> outcome_;
};

} // namespace spanwright
