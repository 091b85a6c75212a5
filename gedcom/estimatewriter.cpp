#include "estimatewriter.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "gedcomline.h"
#include "gedcomlinetally.h"

#include <array>
#include <vector>

namespace spanwright {

namespace {

constexpr long long LastGedcomYear = 9999;
// A 5.5.1 line holds at most 255 characters: a note is cut in pieces of this
// many, the rest on CONC lines.
constexpr std::size_t NotePiece = 200;

std::string gedcomDay(long long day)
{
    static constexpr std::array<const char*, 12> Months = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const CalendarDate date = dateOf(Day(day));
    if (date.year < 1 || date.year > LastGedcomYear)
        return {};
    return std::to_string(date.day) + " " + Months[date.month - 1] + " " + std::to_string(date.year);
}

} // namespace

std::string gedcomDateOfBounds(const DayBounds& bounds)
{
    const bool early = bounds.earliest != NoEarliest;
    const bool late = bounds.latest != NoLatest;
    if (bounds.empty() || (!early && !late))
        return {};
    const std::string from = early ? gedcomDay(bounds.earliest) : std::string();
    const std::string to = late ? gedcomDay(bounds.latest) : std::string();
    if ((early && from.empty()) || (late && to.empty()))
        return {};
    if (early && late)
        return bounds.earliest == bounds.latest ? from : "BET " + from + " AND " + to;
    const std::string beyond = early ? gedcomDay(bounds.earliest - 1LL) : gedcomDay(bounds.latest + 1LL);
    return beyond.empty() ? std::string() : (early ? "AFT " : "BEF ") + beyond;
}

namespace {

// One line of the input with its line end, as read.
struct RawLine
{
    std::string bytes;
    std::string_view text() const
    {
        std::string_view line = bytes;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        return line;
    }
    std::string_view end() const { return std::string_view(bytes).substr(text().size()); }
};

// Reads lines ending in LF, CR LF or CR alone, each with its end.
bool nextLine(std::FILE* in, RawLine& line)
{
    line.bytes.clear();
    int c = 0;
    while ((c = std::fgetc(in)) != EOF) {
        line.bytes.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
        if (c == '\r') {
            const int next = std::fgetc(in);
            if (next == '\n')
                line.bytes.push_back('\n');
            else if (next != EOF)
                std::ungetc(next, in);
            break;
        }
    }
    return !line.bytes.empty();
}

// An INDI record's lines until it ends, and where its birth and death are.
struct HeldRecord
{
    std::vector<RawLine> lines;
    std::uint32_t person = NoOne;
    // The first BIRT and DEAT lines (indices into lines), and whether a
    // DATE stands below them.
    std::size_t birthLine = SIZE_MAX;
    std::size_t deathLine = SIZE_MAX;
    bool birthDated = false;
    bool deathDated = false;
    bool buried = false; // a BURI or CREM: dead
    bool matches = false; // the tree's person of that index has the record's id
};

class EstimateWriter
{
public:
    EstimateWriter(std::FILE* out, const FamilyTree& tree, const TreeEstimate& estimate,
                   const EstimateWriting& writing, EstimatesWritten& written)
        : out_(out), tree_(tree), estimate_(estimate), writing_(writing), written_(written)
    {
    }

    // False once a write fails.
    bool add(RawLine line);
    bool finish();

private:
    // Notes where the record's birth and death are, and whether dated.
    void hold(const GedcomLine& parsed);
    void flush();
    bool write(std::string_view bytes) { return ok_ = ok_ && std::fwrite(bytes.data(), 1, bytes.size(), out_) == bytes.size(); }
    // The lines that mark an estimate below a DATE at level.
    std::string markLines(int level, std::uint32_t person) const;
    // The event's lines: the DATE (and its mark) below an event, or the event too.
    std::string estimateLines(std::string_view tag, const DayBounds& bounds, bool underEvent, std::uint32_t person) const;
    bool likelyDead(const HeldRecord& record) const;

    std::FILE* out_;
    const FamilyTree& tree_;
    const TreeEstimate& estimate_;
    const EstimateWriting& writing_;
    EstimatesWritten& written_;
    HeldRecord record_;
    bool holding_ = false;
    bool inHeader_ = false;
    bool gedcom7_ = false;
    bool afterTrailer_ = false;
    std::uint32_t people_ = 0;
    std::string lineEnd_ = "\n";
    std::string_view eventTag_; // the record's current level 1 tag
    bool ok_ = true;
};

bool EstimateWriter::add(RawLine line)
{
    if (!line.end().empty())
        lineEnd_ = std::string(line.end());
    GedcomLine parsed;
    std::string_view text = line.text();
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (afterTrailer_ || trimmed(text).empty() || !splitGedcomLine(text, parsed)) {
        if (holding_)
            record_.lines.push_back(std::move(line));
        else
            write(line.bytes);
        return ok_;
    }
    if (parsed.level == 0) {
        flush();
        inHeader_ = isTag(parsed, "HEAD");
        afterTrailer_ = isTag(parsed, "TRLR");
        if (isTag(parsed, "INDI")) {
            holding_ = true;
            record_ = HeldRecord{};
            record_.person = people_++;
            // The records are the tree's people in order; should the two
            // readings ever differ, the record is left as it is.
            record_.matches = record_.person < tree_.people.size()
                && tree_.text(tree_.people[record_.person].id) == parsed.xref;
        }
    } else if (inHeader_ && parsed.level == 2 && parsed.tag == "VERS" && trimmed(parsed.value).substr(0, 2) == "7.") {
        gedcom7_ = true;
    }
    if (holding_) {
        hold(parsed);
        record_.lines.push_back(std::move(line));
    } else {
        write(line.bytes);
    }
    return ok_;
}

void EstimateWriter::hold(const GedcomLine& parsed)
{
    const std::size_t index = record_.lines.size();
    if (parsed.level == 1) {
        // Any BIRT or DEAT with a DATE is dated; the first is where one goes.
        eventTag_ = parsed.tag == "BIRT" ? "BIRT" : parsed.tag == "DEAT" ? "DEAT" : std::string_view();
        if (parsed.tag == "BIRT" && record_.birthLine == SIZE_MAX)
            record_.birthLine = index;
        else if (parsed.tag == "DEAT" && record_.deathLine == SIZE_MAX)
            record_.deathLine = index;
        record_.buried = record_.buried || parsed.tag == "BURI" || parsed.tag == "CREM";
    } else if (parsed.level == 2 && parsed.tag == "DATE") {
        record_.birthDated = record_.birthDated || eventTag_ == "BIRT";
        record_.deathDated = record_.deathDated || eventTag_ == "DEAT";
    }
}

bool EstimateWriter::finish()
{
    flush();
    return ok_;
}

std::string EstimateWriter::markLines(int level, std::uint32_t person) const
{
    const PersonEstimate& bounds = estimate_.people[person];
    std::string text = writing_.noteLead + " from the family (the likely bounds): "
        + reasonsText(bounds.certainReasons, bounds.likelyReasons, writing_.assumptions);
    const std::string below = std::to_string(level + 1);
    if (gedcom7_) // GEDCOM 7 marks a date by a PHRASE, a line of any length
        return below + " PHRASE " + text + lineEnd_;
    std::string lines = std::to_string(level) + " NOTE ";
    std::string_view rest = text;
    for (bool first = true; !rest.empty(); first = false) {
        std::size_t cut = std::min(rest.size(), NotePiece);
        // CONC joins without a blank, and readers drop blanks at a line's
        // ends: a piece never ends or starts with one.
        while (cut < rest.size() && cut > 1 && (rest[cut - 1] == ' ' || rest[cut] == ' '))
            --cut;
        lines.append(first ? "" : below + " CONC ").append(rest.substr(0, cut)).append(lineEnd_);
        rest.remove_prefix(cut);
    }
    return lines;
}

std::string EstimateWriter::estimateLines(std::string_view tag, const DayBounds& bounds, bool underEvent,
                                          std::uint32_t person) const
{
    const std::string date = gedcomDateOfBounds(bounds);
    if (date.empty())
        return {};
    std::string lines = underEvent ? std::string() : "1 " + std::string(tag) + lineEnd_;
    return lines + "2 DATE " + date + lineEnd_ + markLines(2, person);
}

bool EstimateWriter::likelyDead(const HeldRecord& record) const
{
    const DayBounds& death = estimate_.people[record.person].likelyDeath;
    return record.deathLine != SIZE_MAX || record.buried || (death.latest != NoLatest && Day(death.latest) < writing_.today);
}

void EstimateWriter::flush()
{
    if (!holding_)
        return;
    holding_ = false;
    const std::uint32_t person = record_.person;
    const bool known = record_.matches && person < estimate_.people.size();
    std::string birth;
    std::string death;
    if (known && !record_.birthDated && !tree_.people[person].birth.present)
        birth = estimateLines("BIRT", estimate_.people[person].likelyBirth, record_.birthLine != SIZE_MAX, person);
    if (known && !record_.deathDated && !tree_.people[person].death.present && likelyDead(record_))
        death = estimateLines("DEAT", estimate_.people[person].likelyDeath, record_.deathLine != SIZE_MAX, person);
    written_.births += birth.empty() ? 0 : 1;
    written_.deaths += death.empty() ? 0 : 1;
    // The record's last line may lack a line end (a file without TRLR).
    if (!record_.lines.empty() && record_.lines.back().end().empty() && (!birth.empty() || !death.empty()))
        record_.lines.back().bytes.append(lineEnd_);
    for (std::size_t i = 0; i < record_.lines.size(); ++i) {
        write(record_.lines[i].bytes);
        if (i == record_.birthLine)
            write(birth);
        if (i == record_.deathLine)
            write(death);
    }
    if (record_.birthLine == SIZE_MAX)
        write(birth);
    if (record_.deathLine == SIZE_MAX)
        write(death);
    record_ = HeldRecord{};
}

bool looksUtf16(const RawLine& first)
{
    const std::string_view bytes = first.bytes;
    return bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF"
        || (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0'));
}

} // namespace

bool writeTreeWithEstimates(std::FILE* in, std::FILE* out, const FamilyTree& tree, const TreeEstimate& estimate,
                            const EstimateWriting& writing, EstimatesWritten& written, std::string& why)
{
    EstimateWriter writer(out, tree, estimate, writing, written);
    RawLine line;
    bool first = true;
    while (nextLine(in, line)) {
        if (first && looksUtf16(line)) {
            why = "a file in UTF-16 cannot be written back with the estimates; convert it to UTF-8 first";
            return false;
        }
        first = false;
        if (!writer.add(std::move(line))) {
            why = "cannot write the tree";
            return false;
        }
        line = RawLine{};
    }
    if (std::ferror(in) != 0) {
        why = "read error";
        return false;
    }
    if (!writer.finish() || std::fflush(out) != 0) {
        why = "cannot write the tree";
        return false;
    }
    return true;
}

} // namespace spanwright
