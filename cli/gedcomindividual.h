#pragma once

#include "gedcomline.h"

#include <string>
#include <string_view>

// The parts of one INDI record that the report uses, gathered line by line:
// the first NAME; the DATE of the first BIRT, CHR or BAPM, DEAT and BURI
// events that have one; the AGE under the first DEAT and BURI that have
// one; CONC and CONT continuations of these. The strings keep their
// storage from record to record.
class GedcomIndividual
{
public:
    // A value and the tag of the event it came from.
    struct Value
    {
        std::string text;
        std::string_view tag; // "BIRT", "CHR"... (static text)
        bool present = false;
    };

    void begin(std::string_view xref);
    // A line of the record below its level 0 line.
    void add(const GedcomLine& line);
    // A reason that part of the record could not be read.
    void addProblem(std::string_view problem);

    const std::string& id() const { return id_; }
    const std::string& name() const { return name_.text; }
    // BIRT, else CHR or BAPM.
    const Value& birth() const { return birth_.present ? birth_ : christening_; }
    // DEAT, else BURI.
    const Value& death() const { return death_.present ? death_ : burial_; }
    // The AGE under the death, else under the burial.
    const Value& statedAge() const { return deathAge_.present ? deathAge_ : burialAge_; }
    const std::string& problems() const { return problems_; }

private:
    enum class Event { Other, Birth, Christening, Death, Burial };

    void keep(Value& value, std::string_view tag, std::string_view text, int level);

    std::string id_;
    Value name_;
    Value birth_;
    Value christening_;
    Value death_;
    Value burial_;
    Value deathAge_;
    Value burialAge_;
    std::string problems_;
    Event event_ = Event::Other;
    std::string_view eventTag_;
    // The value that CONC and CONT lines one level deeper go on.
    Value* continued_ = nullptr;
    int continuedLevel_ = 0;
};
