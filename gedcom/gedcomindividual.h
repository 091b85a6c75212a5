#pragma once

#include "gedcomline.h"
#include "statedages.h"

#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The parts of one INDI record that the report uses, gathered line by line:
// the first NAME; the DATE of the first BIRT, CHR or BAPM, DEAT and BURI
// events that have one; the AGE under the death and burial events; CONC and
// CONT continuations of these; the PHRASE under an empty DATE or AGE. A DATE
// that is no date (empty, a status word, a date phrase) is kept only until
// a readable one is found. The strings keep their storage from record to
// record.
class GedcomIndividual
{
public:
    // A value and the tag of the event it came from.
    struct Value
    {
        std::string text;
        std::string_view tag; // "BIRT", "CHR"... (static text)
        bool present = false;
        // An empty DATE or AGE (in GEDCOM 7 with a PHRASE below it, which
        // becomes the text in parentheses), or a DATE that is a status word
        // or a date phrase: a later dated event of the same kind takes its
        // place. STILLBORN under a death or burial states an age of 0 and
        // stays.
        bool provisional = false;
    };

    // The reasons kept in full; beyond them only a count is kept, so that a
    // record followed by a damaged tail does not fill the memory.
    static constexpr long long MostProblemsKept = 3;

    void begin(std::string_view xref);
    // A line of the record below its level 0 line. True when the report
    // uses the line's value; a cut line (see GedcomLineReader) then
    // leaves the value empty, since what was kept is not what was written.
    bool add(const GedcomLine& line, bool cut = false);
    // A reason that a line of the record could not be read.
    void addProblem(std::string_view problem);
    // After the record's last line.
    void end();

    const std::string& id() const { return id_; }
    const std::string& name() const { return name_.text; }
    // BIRT, else CHR or BAPM; a BIRT that is no date yields to a dated CHR
    // or BAPM as a missing one does.
    const Value& birth() const;
    // DEAT, else BURI, in the same way.
    const Value& death() const { return deathOrBurial().date; }
    // The AGE under the event whose date is the death; where that has none,
    // the first AGE under a DEAT, else under a BURI (see statedAgeElsewhere).
    const Value& statedAge() const;
    // There is a death date and a stated age, but not under the same event.
    bool statedAgeElsewhere() const;
    // Every event of the record with an AGE (or an AGE's PHRASE alone), in
    // the order of the file (the first DATE, AGE and PLAC of each; the date
    // empty where it has none).
    const std::vector<StatedAgeEvent>& statedAgeEvents() const { return statedAges_; }
    // The first letter of the SEX value ('M', 'F', ...), else '\0'; the
    // families the FAMS lines name (ids without @), in the file's order.
    char sex() const { return sex_; }
    const std::vector<std::string>& spouseFamilies() const { return spouseFamilies_; }
    // The reasons joined by "; ", those beyond MostProblemsKept counted.
    std::string problems() const;

private:
    enum class Event { Other, Birth, Christening, Death, Burial };

    // The date and ages of the DEAT or of the BURI events.
    struct Ending
    {
        Value date;     // of the first event that has one
        Value dateAge;  // the AGE under that event
        Value firstAge; // the first AGE under any of them
    };

    const Ending& deathOrBurial() const;
    Ending* ending();
    void keep(Value& value, std::string_view tag, std::string_view text, int level, bool cut);
    // Settles the AGE of the event that ends with the line before.
    void endEvent();

    // Keeps the event that ends with the line before when it has an age.
    void endStatedAgeEvent();
    // A DATE, AGE or PLAC of the current event, or the PHRASE of its empty
    // AGE, for statedAgeEvents.
    void keepStatedAgeLine(const GedcomLine& line);

    std::vector<StatedAgeEvent> statedAges_;
    StatedAgeEvent pendingStated_;
    bool pendingDate_ = false;
    bool pendingAge_ = false;
    bool pendingPlace_ = false;
    bool pendingAgePhrase_ = false; // the line before was an empty AGE
    char sex_ = '\0';
    std::vector<std::string> spouseFamilies_;
    std::string id_;
    Value name_;
    Value birth_;
    Value christening_;
    Ending death_;
    Ending burial_;
    Value eventAge_; // the first AGE under the current event
    bool eventDated_ = false; // the current event gave its Ending's date
    std::string problems_;
    long long problemCount_ = 0;
    Event event_ = Event::Other;
    std::string_view eventTag_;
    // The empty value that a PHRASE one level deeper fills.
    Value* phraseTarget_ = nullptr;
    // The value that CONC and CONT lines one level deeper go on.
    Value* continued_ = nullptr;
    int continuedLevel_ = 0;
};

} // namespace spanwright
