#include "gedcomindividual.h"

#include <array>

namespace {

constexpr int EventLevel = 1;
constexpr int DetailLevel = 2;

} // namespace

void GedcomIndividual::begin(std::string_view xref)
{
    id_.assign(xref);
    for (Value* value : {&name_, &birth_, &christening_, &death_, &burial_, &deathAge_, &burialAge_}) {
        value->text.clear();
        value->present = false;
        value->tag = {};
    }
    problems_.clear();
    event_ = Event::Other;
    continued_ = nullptr;
}

void GedcomIndividual::keep(Value& value, std::string_view tag, std::string_view text, int level)
{
    value.text.assign(text);
    value.tag = tag;
    value.present = true;
    continued_ = &value;
    continuedLevel_ = level;
}

void GedcomIndividual::add(const GedcomLine& line)
{
    const bool continuation = line.tag == "CONC" || line.tag == "CONT";
    if (continuation) {
        if (continued_ != nullptr && line.level == continuedLevel_ + 1) {
            if (line.tag == "CONT")
                continued_->text.push_back('\n');
            continued_->text.append(line.value);
        }
        return;
    }
    continued_ = nullptr;

    if (line.level == EventLevel) {
        static constexpr std::array<std::pair<std::string_view, Event>, 5> Events = {{
            {"BIRT", Event::Birth},
            {"CHR", Event::Christening},
            {"BAPM", Event::Christening},
            {"DEAT", Event::Death},
            {"BURI", Event::Burial},
        }};
        event_ = Event::Other;
        for (const auto& [tag, event] : Events) {
            if (line.tag == tag) {
                event_ = event;
                eventTag_ = tag;
            }
        }
        if (line.tag == "NAME" && !name_.present)
            keep(name_, "NAME", line.value, line.level);
        return;
    }
    if (line.level != DetailLevel || event_ == Event::Other)
        return;
    if (line.tag == "DATE") {
        Value* slot = nullptr;
        switch (event_) {
        case Event::Birth: slot = &birth_; break;
        case Event::Christening: slot = &christening_; break;
        case Event::Death: slot = &death_; break;
        case Event::Burial: slot = &burial_; break;
        case Event::Other: break;
        }
        if (slot != nullptr && !slot->present)
            keep(*slot, eventTag_, line.value, line.level);
    } else if (line.tag == "AGE") {
        Value* slot = event_ == Event::Death ? &deathAge_ : event_ == Event::Burial ? &burialAge_ : nullptr;
        if (slot != nullptr && !slot->present)
            keep(*slot, eventTag_, line.value, line.level);
    }
}

void GedcomIndividual::addProblem(std::string_view problem)
{
    if (!problems_.empty())
        problems_.append("; ");
    problems_.append(problem);
}
