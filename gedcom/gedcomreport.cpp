#include "gedcomreport.h"

#include "text/asciitext.h"
#include "text/csvfield.h"
#include "gedcomencoding.h"
#include "gedcomindividual.h"
#include "gedcomline.h"
#include "gedcomlinereader.h"
#include "gedcomlinetally.h"
#include "gedcomrow.h"
#include "gedcomstart.h"
#include "gedcomtext.h"
#include "spouseages.h"
#include "statedages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

namespace spanwright {

namespace {

// Rows are written in blocks of about this size.
constexpr size_t OutputBlock = 1 << 16;

// Writes the rows of one file.
class ReportWriter
{
public:
    ReportWriter(std::FILE* out, std::string_view fileName, std::ostream& warnings, GedcomSummary& summary,
                 const DateReadOptions& calendar, SpouseAgeIndex& spouseAges)
        : out_(out), fileName_(fileName), warnings_(warnings), summary_(summary), calendar_(calendar),
          spouseAges_(spouseAges)
    {
        buffer_.reserve(OutputBlock * 2);
        buffer_.append(GedcomReportHeader);
        buffer_.push_back('\n');
    }

    void setCharacterSet(std::string_view name)
    {
        characterSet_.assign(trimmed(name));
        encoding_ = GedcomEncoding(characterSet_);
    }
    // A byte order mark or UTF-16 decides, whatever CHAR says.
    void setUtf8() { encoding_ = GedcomEncoding(); }
    // Bytes of the file replaced before the lines were split (UTF-16).
    // A UTF-16 file with a lone surrogate, or cut inside a character.
    void noteUtf16Replaced(bool cut)
    {
        warnings_ << fileName_
                  << (cut ? ": the file ends inside a UTF-16 character (is it cut short?), shown as U+FFFD\n"
                          : ": bytes that are not whole UTF-16 characters are shown as U+FFFD\n");
    }

    void write(const GedcomIndividual& person)
    {
        const auto valueOf = [](const GedcomIndividual::Value& value) -> std::optional<std::string_view> {
            if (!value.present)
                return std::nullopt;
            return trimmed(value.text);
        };
        std::string ageElsewhere;
        if (person.statedAgeElsewhere()) {
            const std::string_view ageTag = person.statedAge().tag;
            const std::string_view dateTag = person.death().tag;
            ageElsewhere = ageTag == dateTag
                ? "the age is stated under another " + std::string(ageTag) + " than the date"
                : "the age is stated under " + std::string(ageTag) + ", the date under " + std::string(dateTag);
        }
        const GedcomRow row = calculateGedcomRow(valueOf(person.birth()), valueOf(person.death()),
                                                 valueOf(person.statedAge()), ageElsewhere, calendar_,
                                                 person.death().tag == "BURI" ? DeathEvent::Burial : DeathEvent::Death);
        ++summary_.individuals;
        summary_.agesComputed += row.ageAtDeath.empty() ? 0 : 1;
        summary_.agree += row.check == GedcomRow::Check::Agrees ? 1 : 0;
        summary_.disagree += row.check == GedcomRow::Check::Disagrees ? 1 : 0;
        summary_.cannotCheck += row.check == GedcomRow::Check::CannotCheck ? 1 : 0;

        appendText(person.id());
        buffer_.push_back(',');
        appendText(nameWithoutSlashes(person.name(), scratch_));
        buffer_.push_back(',');
        appendEvent(person.birth(), "BIRT");
        buffer_.push_back(',');
        appendEvent(person.death(), "DEAT");
        buffer_.push_back(',');
        appendCsvField(buffer_, row.ageAtDeath);
        buffer_.push_back(',');
        appendEvent(person.statedAge(), "DEAT");
        buffer_.push_back(',');
        appendCsvField(buffer_, row.statedAgeCheck);
        buffer_.push_back(',');
        appendCsvField(buffer_, row.bornFromStatedAge);
        buffer_.push_back(',');
        const std::string_view deathDate = person.death().tag == "DEAT" ? std::string_view(person.death().text) : "";
        const StatedAgeNarrowing narrowed = narrowStatedAges(statedAgeEventsOf(person), calendar_, deathDate);
        appendCsvField(buffer_, statedAgesText(narrowed));
        buffer_.push_back(',');
        std::string error = person.problems();
        if (!row.error.empty())
            error.append(error.empty() ? "" : "; ").append(row.error);
        summary_.rowsWithErrors += error.empty() ? 0 : 1;
        // Warnings share the column, after the errors, but make no row one
        // with errors.
        const auto warn = [&](std::string_view warning) {
            error.append(error.empty() ? "warning: " : "; warning: ").append(warning);
        };
        if (!row.warning.empty())
            warn(row.warning);
        const std::string_view cutFamily = spouseAges_.cutFamilyOf(person.id());
        if (!cutFamily.empty()) {
            warn("born_from_stated_ages weighs ages of the family " + std::string(cutFamily)
                 + ", the record the file ends in, which may be cut short");
        }
        // The death's and burial's ages have the stated_age columns.
        std::string leftOut;
        for (const StatedAgeNarrowing::LeftOut& left : narrowed.notWeighed) {
            if (!isEndingTag(left.tag))
                leftOut.append(leftOut.empty() ? "" : ", ").append(left.text);
        }
        if (!leftOut.empty())
            warn("left out of born_from_stated_ages: " + leftOut);
        appendText(error);
        buffer_.push_back('\n');
        if (buffer_.size() >= OutputBlock)
            flush();
    }

    bool flush()
    {
        const bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), out_) == buffer_.size();
        buffer_.clear();
        failed_ = failed_ || !written;
        return written;
    }
    bool failed() const { return failed_; }

private:
    // The ages the person's own events state, then those their families'
    // events state of them.
    const std::vector<StatedAgeEvent>& statedAgeEventsOf(const GedcomIndividual& person)
    {
        const std::vector<StatedAgeEvent>* asSpouse = spouseAges_.find(person.id());
        bool unnamed = false;
        for (const std::string& family : person.spouseFamilies()) {
            std::vector<StatedAgeEvent> ages = spouseAges_.takeUnnamedSpouseAges(family, person.sex());
            if (ages.empty())
                continue;
            if (!unnamed)
                events_ = person.statedAgeEvents();
            unnamed = true;
            events_.insert(events_.end(), ages.begin(), ages.end());
        }
        if (asSpouse == nullptr)
            return unnamed ? events_ : person.statedAgeEvents();
        if (!unnamed)
            events_ = person.statedAgeEvents();
        events_.insert(events_.end(), asSpouse->begin(), asSpouse->end());
        return events_;
    }

    // A value of the file, made safe and quoted.
    void appendText(std::string_view text)
    {
        clean_.clear();
        bool replaced = false;
        if (encoding_.kind() != GedcomEncoding::Kind::Utf8) {
            decoded_.clear();
            replaced = encoding_.decode(text, decoded_);
            text = decoded_;
        }
        const bool control = std::any_of(text.begin(), text.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return (byte < 0x20 && c != '\t' && c != '\n') || byte == 0x7F;
        });
        replaced = appendReportText(clean_, text, true) || replaced;
        if (control)
            warnControlCharacters();
        else if (replaced)
            warnReplaced();
        appendCsvField(buffer_, clean_);
    }

    // A NUL or another control character in a value, which no text holds:
    // told as such, once a file, not as a byte of another encoding.
    void warnControlCharacters()
    {
        if (!warnedControl_)
            warnings_ << fileName_ << ": control characters (a NUL byte...) are shown as U+FFFD\n";
        warnedControl_ = true;
    }

    // One warning a file.
    void warnReplaced()
    {
        if (warned_)
            return;
        warned_ = true;
        const std::string name = characterSet_.empty() ? std::string("UTF-8") : characterSet_;
        warnings_ << fileName_ << ": "
                  << (encoding_.kind() == GedcomEncoding::Kind::Utf8
                          ? std::string("bytes that are not UTF-8 text")
                          : !encoding_.known() ? "characters beyond ASCII in the unknown character set " + name
                                               : "bytes that are not " + name + " text")
                  << " are shown as U+FFFD\n";
    }

    // A value, with the tag of its event when that is not the usual one:
    // "5 MAY 1800 (CHR)".
    void appendEvent(const GedcomIndividual::Value& value, std::string_view usualTag)
    {
        if (!value.present) {
            appendCsvField(buffer_, {});
            return;
        }
        std::string text(trimmed(value.text));
        if (value.tag != usualTag)
            text.append(" (").append(value.tag).append(")");
        appendText(text);
    }

    std::FILE* out_;
    std::string_view fileName_;
    std::ostream& warnings_;
    GedcomSummary& summary_;
    DateReadOptions calendar_;
    SpouseAgeIndex& spouseAges_; // the ages of unnamed spouses are taken from it
    std::vector<StatedAgeEvent> events_;
    std::string buffer_;
    std::string clean_;
    std::string scratch_;
    std::string decoded_;
    std::string characterSet_;
    GedcomEncoding encoding_; // UTF-8 until a CHAR line says otherwise
    bool warned_ = false;
    bool warnedControl_ = false;
    bool failed_ = false;
};

// Families mostly follow their people: their ages are read first, and the
// file (or the copy of a pipe made meanwhile) read again for the rows. The
// stream of the rows, or nullptr (with the reason told) where the file
// cannot be read.
std::FILE* readSpouseAgesFirst(RewindableInput& input, std::FILE* in, SpouseAgeIndex& spouseAges,
                               const std::string& name, std::ostream& warnings)
{
    if (!input.twice()) {
        warnings << name << ": " << input.problem()
                 << "; the ages stated under the families' HUSB and WIFE are left out\n";
        return in;
    }
    if (!spouseAges.read(input.first(), input.copy())) {
        warnings << name << ": cannot write the temporary copy: " << std::strerror(errno)
                 << '\n';
        return nullptr;
    }
    if (spouseAges.readFailed()) {
        warnings << name << ": read error\n";
        return nullptr;
    }
    std::FILE* const rows = input.second();
    if (rows == nullptr)
        warnings << name << ": " << input.problem() << '\n';
    return rows;
}

// A record's first line: the person before it written, a new one begun at
// INDI, the record named for a file that ends in it.
void startRecord(const GedcomLine& line, long long lineNumber, ReportWriter& writer, GedcomIndividual& person,
                 bool& inPerson, std::string& lastRecord)
{
    if (inPerson) {
        person.end();
        writer.write(person);
    }
    inPerson = isTag(line, "INDI");
    lastRecord = std::string(line.xref.empty() ? line.tag : line.xref) + " (line " + std::to_string(lineNumber) + ")";
    if (inPerson)
        person.begin(line.xref);
    if (inPerson && line.xrefMalformed)
        person.addProblem("line " + std::to_string(lineNumber) + ": the record's id \"@" + std::string(line.xref)
                          + "\" does not end with @");
}

// The rows flushed, and how the report went: unreadable where the file could
// not be read or the report written, with row errors where a row has one,
// the file is damaged or its families' ages were left out.
int reportOutcome(ReportWriter& writer, std::FILE* out, const GedcomLineReader& reader, const GedcomLineTally& tally,
                  const GedcomSummary& summary, bool readTwice, const std::string& name, std::ostream& warnings)
{
    const bool written = writer.flush() && std::fflush(out) == 0 && !writer.failed();
    if (reader.failed() || !written) {
        warnings << name << (reader.failed() ? ": read error" : ": the report could not be written")
                 << '\n';
        return GedcomReportUnreadable;
    }
    const bool rowErrors = summary.rowsWithErrors > 0 || tally.damaged() || !readTwice || reader.utf16Cut();
    return rowErrors ? GedcomReportRowErrors : GedcomReportClean;
}

} // namespace

int writeGedcomReport(std::FILE* in, std::FILE* out, std::string_view fileName, std::ostream& warnings,
                      GedcomSummary& summary, const DateReadOptions& calendar)
{
    const std::string name(fileName);
    RewindableInput input(in);
    SpouseAgeIndex spouseAges;
    std::FILE* const rows = readSpouseAgesFirst(input, in, spouseAges, name, warnings);
    if (rows == nullptr)
        return GedcomReportUnreadable;
    GedcomLineReader reader(rows);
    GedcomStart start(reader);
    const auto tooLong = [&] {
        warnings << name << ": line " << reader.lineNumber() << " is longer than "
                 << GedcomLineReader::LongestReadLine / (1 << 20) << " MiB; not a GEDCOM file\n";
        return GedcomReportUnreadable;
    };
    if (start.outcome() == GedcomStart::Outcome::TooLong)
        return tooLong();
    if (start.outcome() != GedcomStart::Outcome::Head) {
        warnings << name << start.refusal() << '\n';
        return GedcomReportUnreadable;
    }

    ReportWriter writer(out, fileName, warnings, summary, calendar, spouseAges);
    if (start.encodingDecided())
        writer.setUtf8();
    std::string_view text;
    GedcomLine line;
    GedcomIndividual person;
    bool inPerson = false;
    GedcomLineTally tally;
    std::string lastRecord; // its id (or tag) and line, while the file may end in it
    while (reader.next(text)) {
        if (trimmed(text).empty())
            continue;
        const bool gedcom = splitGedcomLine(text, line);
        tally.count(reader.lineNumber(), gedcom, line);
        if (!gedcom) {
            if (inPerson)
                person.addProblem("line " + std::to_string(reader.lineNumber()) + ": not a GEDCOM line");
            continue;
        }
        const bool characterSet = start.namesCharacterSet(line);
        if (line.level == 0) {
            startRecord(line, reader.lineNumber(), writer, person, inPerson, lastRecord);
            if (isTag(line, "TRLR")) {
                tally.countTrailer();
                reader.readToEnd();
                break;
            }
            continue;
        }
        if (characterSet)
            writer.setCharacterSet(line.value);
        // A cut line matters only where its value is used (a long NOTE is
        // of no concern); its level and tag are in the part kept.
        if (inPerson && person.add(line, reader.cut()) && reader.cut()) {
            person.addProblem("line " + std::to_string(reader.lineNumber()) + ": longer than "
                              + std::to_string(GedcomLineReader::LongestLine) + " characters, not read");
        }
    }
    if (reader.tooLong())
        return tooLong();
    if (tally.mostlyNotGedcom()) {
        tally.tellRefusal(warnings, name);
        return GedcomReportUnreadable;
    }
    if (inPerson) {
        // Only a file without TRLR ends inside a record.
        person.addProblem(PossiblyCutRecord);
        person.end();
        writer.write(person);
    }
    if (reader.utf16Replaced())
        writer.noteUtf16Replaced(reader.utf16Cut());
    if (!reader.failed())
        tally.tell(warnings, name, lastRecord);
    return reportOutcome(writer, out, reader, tally, summary, input.twice(), name, warnings);
}

} // namespace spanwright
