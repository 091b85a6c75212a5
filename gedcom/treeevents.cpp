#include "treeevents.h"

#include "text/asciitext.h"
#include "gedcomencoding.h"
#include "gedcomline.h"
#include "gedcomlinereader.h"
#include "gedcomlinetally.h"
#include "gedcomstart.h"
#include "gedcomtext.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace spanwright {

std::string_view TreeEvents::keep(std::string_view text)
{
    // Looked up first: most texts are kept already, and a look-up makes no string.
    const auto found = kept_.find(text);
    if (found != kept_.end())
        return *found;
    return *kept_.insert(store_.emplace_back(text)).first;
}

bool isAfterDeathEvent(std::string_view tag)
{
    return tag == "BURI" || tag == "CREM" || tag == "PROB";
}

bool isOwnEvent(std::string_view tag)
{
    // GEDCOM's individual events and attributes and the LDS ordinances.
    // Left out: EVEN and FACT (anything at all), NO (what did not happen),
    // CHAN (the record's change), a program's own _TAG.
    static constexpr std::array<std::string_view, 18> Others = {
        "DEAT", "BURI", "CREM", "PROB", "CAST", "DSCR", "IDNO", "NATI", "NCHI",
        "NMR",  "PROP", "RELI", "SSN",  "TITL", "BAPL", "CONL", "ENDL", "SLGC"};
    return isLivingEvent(tag) || std::find(Others.begin(), Others.end(), tag) != Others.end();
}

bool isLivingEvent(std::string_view tag)
{
    // Events only the living take part in. Left out: the death and what
    // follows it, LDS ordinances (often done for the dead), and tags that
    // may be dated after the life (EVEN, FACT, NOTE, a program's own _TAG).
    static constexpr std::array<std::string_view, 21> Living = {
        "BIRT", "CHR",  "BAPM", "BARM", "BASM", "BLES", "CHRA", "CONF", "FCOM", "ORDN", "NATU",
        "EMIG", "IMMI", "CENS", "GRAD", "RETI", "RESI", "OCCU", "EDUC", "ADOP", "WILL"};
    return std::find(Living.begin(), Living.end(), tag) != Living.end();
}

std::uint8_t eventKindOf(std::string_view tag)
{
    return static_cast<std::uint8_t>((isOwnEvent(tag) ? OwnEventKind : 0) | (isLivingEvent(tag) ? LivingEventKind : 0)
                                     | (isAfterDeathEvent(tag) ? AfterDeathEventKind : 0)
                                     | (tag == "BIRT" ? BirthEventKind : 0) | (tag == "DEAT" ? DeathEventKind : 0));
}

namespace {

// "John /Smith/" as "John Smith".
std::string plainName(std::string_view name)
{
    std::string plain;
    for (char c : name) {
        if (c == '/')
            continue;
        if (c == ' ' && (plain.empty() || plain.back() == ' '))
            continue;
        plain.push_back(c);
    }
    while (!plain.empty() && plain.back() == ' ')
        plain.pop_back();
    return plain;
}

// Gathers the events of the INDI records line by line.
class EventGatherer
{
public:
    EventGatherer(TreeEvents& events, const DateReadOptions& calendar) : events_(events), calendar_(calendar) {}

    void setEncoding(const GedcomEncoding& encoding) { encoding_ = encoding; }
    void add(const GedcomLine& line);
    void finish() { endEvent(); }
    std::size_t people() const { return events_.names.size(); }

private:
    void endEvent();
    std::string_view decoded(std::string_view text);

    TreeEvents& events_;
    const DateReadOptions& calendar_;
    GedcomEncoding encoding_;
    std::string decoded_;
    bool inPerson_ = false;
    bool nameKept_ = false;
    PersonEvent event_;
    bool inEvent_ = false;
    // The kinds of the tags met, by the kept tag's text: a tag is weighed once.
    std::unordered_map<const char*, std::uint8_t> kinds_;
};

std::string_view EventGatherer::decoded(std::string_view text)
{
    decoded_.clear();
    encoding_.decode(text, decoded_);
    return decoded_;
}

void EventGatherer::endEvent()
{
    if (inEvent_ && event_.date.present)
        events_.events.push_back(event_);
    inEvent_ = false;
}

void EventGatherer::add(const GedcomLine& line)
{
    if (line.level <= 1)
        endEvent();
    if (line.level == 0) {
        inPerson_ = isTag(line, "INDI");
        if (inPerson_) {
            events_.first.push_back(static_cast<std::uint32_t>(events_.events.size()));
            events_.names.emplace_back();
            nameKept_ = false;
        }
        return;
    }
    if (!inPerson_)
        return;
    if (line.level == 1 && line.tag == "NAME" && !nameKept_) {
        events_.names.back() = plainName(trimmed(decoded(line.value)));
        nameKept_ = true;
    } else if (line.level == 1 && isTagText(line.tag)) {
        inEvent_ = true;
        const std::string_view tag = events_.keep(line.tag);
        const auto kind = kinds_.try_emplace(tag.data(), eventKindOf(tag)).first->second;
        event_ = PersonEvent{static_cast<std::uint32_t>(events_.names.size() - 1), tag, kind, {}, {}};
    } else if (line.level == 2 && inEvent_ && line.tag == "DATE" && !event_.date.present) {
        event_.date = treeDateOf(line.value, {}, calendar_);
    } else if (line.level == 2 && inEvent_ && line.tag == "PLAC" && event_.place.empty()) {
        event_.place = events_.keep(trimmed(decoded(line.value)));
    }
}

} // namespace

bool readTreeEvents(std::FILE* in, std::size_t people, const DateReadOptions& calendar, TreeEvents& events)
{
    GedcomLineReader reader(in);
    GedcomStart start(reader);
    if (start.outcome() != GedcomStart::Outcome::Head)
        return false;
    EventGatherer gatherer(events, calendar);
    std::string_view text;
    GedcomLine line;
    while (reader.next(text)) {
        if (trimmed(text).empty() || !splitGedcomLine(text, line))
            continue;
        if (start.namesCharacterSet(line))
            gatherer.setEncoding(GedcomEncoding(trimmed(line.value)));
        if (line.level == 0 && isTag(line, "TRLR"))
            break;
        gatherer.add(line);
    }
    gatherer.finish();
    events.first.push_back(static_cast<std::uint32_t>(events.events.size()));
    return gatherer.people() == people && !reader.failed();
}

} // namespace spanwright
