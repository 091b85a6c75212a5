#include "gedcomindividual.h"

#include "text/asciitext.h"
#include "gedcomdate.h"

#include <algorithm>
#include <array>

namespace spanwright {

namespace {

constexpr int EventLevel = 1;
constexpr int DetailLevel = 2;
constexpr int PhraseLevel = 3;

void clear(GedcomIndividual::Value& value)
{
    value.text.clear();
    value.present = false;
    value.provisional = false;
    value.tag = {};
}

void copy(GedcomIndividual::Value& to, const GedcomIndividual::Value& from)
{
    to.text.assign(from.text);
    to.tag = from.tag;
    to.present = from.present;
    to.provisional = from.provisional;
}

// A DATE value that a later readable date of the same kind replaces: none
// written, a status word or a date phrase. STILLBORN under a death or a
// burial is kept, since it states the age.
bool givesWay(std::string_view text, bool ending)
{
    text = trimmed(text);
    if (text.empty())
        return true;
    // A date has digits and no parenthesis but after INT: only the others
    // are read here, so that most dates are read once.
    const bool digits = std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && text.find('(') == std::string_view::npos)
        return false;
    const Result<GedcomDate> date = readGedcomDate(text);
    return date && date->noDate != GedcomDate::NoDate::None && !(ending && date->stillborn);
}

// Of two events that stand for one another, the first unless it is no date
// and the other is one.
const GedcomIndividual::Value& preferred(const GedcomIndividual::Value& first,
                                         const GedcomIndividual::Value& other)
{
    const bool firstUsable = first.present && !first.provisional;
    const bool otherUsable = other.present && !other.provisional;
    return first.present && (firstUsable || !otherUsable) ? first : other;
}

} // namespace

void GedcomIndividual::begin(std::string_view xref)
{
    id_.assign(xref);
    for (Value* value : {&name_, &birth_, &christening_, &death_.date, &death_.dateAge, &death_.firstAge,
                         &burial_.date, &burial_.dateAge, &burial_.firstAge, &eventAge_})
        clear(*value);
    eventDated_ = false;
    statedAges_.clear();
    pendingDate_ = pendingAge_ = pendingPlace_ = pendingAgePhrase_ = false;
    sex_ = '\0';
    spouseFamilies_.clear();
    problems_.clear();
    problemCount_ = 0;
    event_ = Event::Other;
    continued_ = nullptr;
    phraseTarget_ = nullptr;
}

GedcomIndividual::Ending* GedcomIndividual::ending()
{
    return event_ == Event::Death ? &death_ : event_ == Event::Burial ? &burial_ : nullptr;
}

void GedcomIndividual::keep(Value& value, std::string_view tag, std::string_view text, int level, bool cut)
{
    value.text.assign(cut ? std::string_view() : text);
    value.tag = tag;
    value.present = true;
    value.provisional = !cut && trimmed(text).empty();
    phraseTarget_ = value.provisional ? &value : nullptr;
    continued_ = &value;
    continuedLevel_ = level;
}

void GedcomIndividual::endEvent()
{
    // An empty AGE without a phrase states nothing.
    if (Ending* current = ending(); current != nullptr && eventAge_.present && !trimmed(eventAge_.text).empty()) {
        if (eventDated_)
            copy(current->dateAge, eventAge_);
        if (!current->firstAge.present)
            copy(current->firstAge, eventAge_);
    }
    clear(eventAge_);
    eventDated_ = false;
    event_ = Event::Other;
}

void GedcomIndividual::endStatedAgeEvent()
{
    // An event with an AGE is kept without a date too, for the report to
    // name it among the ages left out.
    if (pendingAge_ && !pendingStated_.tag.empty()) {
        if (!pendingDate_)
            pendingStated_.date.clear();
        if (!pendingPlace_)
            pendingStated_.place.clear();
        statedAges_.push_back(pendingStated_);
    }
    pendingDate_ = pendingAge_ = pendingPlace_ = pendingAgePhrase_ = false;
}

void GedcomIndividual::keepStatedAgeLine(const GedcomLine& line)
{
    if (line.tag == "PHRASE") {
        pendingStated_.age.assign("(").append(trimmed(line.value)).append(")");
        pendingAge_ = true;
        return;
    }
    if (line.tag != "DATE" && line.tag != "AGE" && line.tag != "PLAC")
        return;
    bool& seen = line.tag == "DATE" ? pendingDate_ : line.tag == "AGE" ? pendingAge_ : pendingPlace_;
    std::string& value = line.tag == "DATE" ? pendingStated_.date
        : line.tag == "AGE"                 ? pendingStated_.age
                                            : pendingStated_.place;
    if (!seen && !trimmed(line.value).empty()) {
        value.assign(line.value);
        seen = true;
    }
    pendingAgePhrase_ = line.tag == "AGE" && !seen;
}

void GedcomIndividual::end()
{
    endEvent();
    endStatedAgeEvent();
    continued_ = nullptr;
}

bool GedcomIndividual::add(const GedcomLine& line, bool cut)
{
    const bool continuation = line.tag == "CONC" || line.tag == "CONT";
    if (continuation) {
        if (continued_ == nullptr || line.level != continuedLevel_ + 1)
            return false;
        if (line.tag == "CONT")
            continued_->text.push_back('\n');
        if (!cut)
            continued_->text.append(line.value);
        return true;
    }
    continued_ = nullptr;
    // An empty AGE with a PHRASE below it: the phrase is the age's text.
    if (line.tag == "PHRASE" && pendingAgePhrase_ && line.level == PhraseLevel && !cut)
        keepStatedAgeLine(line);
    pendingAgePhrase_ = false;
    if (line.tag == "PHRASE" && phraseTarget_ != nullptr && line.level == PhraseLevel) {
        if (!cut)
            phraseTarget_->text.append("(").append(trimmed(line.value)).append(")");
        phraseTarget_ = nullptr;
        return true;
    }
    phraseTarget_ = nullptr;

    if (line.level == EventLevel) {
        static constexpr std::array<std::pair<std::string_view, Event>, 5> Events = {{
            {"BIRT", Event::Birth},
            {"CHR", Event::Christening},
            {"BAPM", Event::Christening},
            {"DEAT", Event::Death},
            {"BURI", Event::Burial},
        }};
        endEvent();
        endStatedAgeEvent();
        if (line.tag == "SEX" && !cut && !trimmed(line.value).empty())
            sex_ = upperAscii(trimmed(line.value).front());
        if (line.tag == "FAMS" && !cut)
            spouseFamilies_.emplace_back(pointerTarget(line.value));
        // Only a tag names an event that states an age.
        pendingStated_.tag.assign(isTagText(line.tag) ? line.tag : std::string_view());
        for (const auto& [tag, event] : Events) {
            if (line.tag == tag) {
                event_ = event;
                eventTag_ = tag;
            }
        }
        if (line.tag != "NAME" || name_.present)
            return false;
        keep(name_, "NAME", line.value, line.level, cut);
        return true;
    }
    // Any event may state an age (CENS, RESI, OCCU...); a cut value is not
    // what was written and is left out.
    if (line.level == DetailLevel && !cut)
        keepStatedAgeLine(line);
    if (line.level != DetailLevel || event_ == Event::Other)
        return false;
    Ending* current = ending();
    if (line.tag == "DATE") {
        Value* slot = event_ == Event::Birth ? &birth_ : event_ == Event::Christening ? &christening_ : &current->date;
        const bool newGivesWay = !cut && givesWay(line.value, current != nullptr);
        // A word or phrase already kept stays before another that is no date.
        if (slot->present && (!slot->provisional || (newGivesWay && !trimmed(slot->text).empty())))
            return false;
        if (slot->present && current != nullptr)
            clear(current->dateAge); // the provisional date's age goes with it
        keep(*slot, eventTag_, line.value, line.level, cut);
        slot->provisional = newGivesWay;
        eventDated_ = current != nullptr;
        return true;
    }
    if (line.tag == "AGE" && current != nullptr && !eventAge_.present) {
        keep(eventAge_, eventTag_, line.value, line.level, cut);
        return true;
    }
    return false;
}

const GedcomIndividual::Value& GedcomIndividual::birth() const
{
    return preferred(birth_, christening_);
}

const GedcomIndividual::Ending& GedcomIndividual::deathOrBurial() const
{
    return &preferred(death_.date, burial_.date) == &death_.date ? death_ : burial_;
}

const GedcomIndividual::Value& GedcomIndividual::statedAge() const
{
    const Ending& used = deathOrBurial();
    if (used.date.present && used.dateAge.present)
        return used.dateAge;
    return death_.firstAge.present ? death_.firstAge : burial_.firstAge;
}

bool GedcomIndividual::statedAgeElsewhere() const
{
    const Ending& used = deathOrBurial();
    return used.date.present && !used.dateAge.present && statedAge().present;
}

void GedcomIndividual::addProblem(std::string_view problem)
{
    if (++problemCount_ > MostProblemsKept)
        return;
    if (!problems_.empty())
        problems_.append("; ");
    problems_.append(problem);
}

std::string GedcomIndividual::problems() const
{
    if (problemCount_ <= MostProblemsKept)
        return problems_;
    return problems_ + "; and " + std::to_string(problemCount_ - MostProblemsKept) + " more lines not read";
}

} // namespace spanwright
