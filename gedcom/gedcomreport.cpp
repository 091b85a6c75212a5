#include "gedcomreport.h"

#include "asciitext.h"
#include "csvfield.h"
#include "gedcomindividual.h"
#include "gedcomline.h"
#include "gedcomlinereader.h"
#include "gedcomrow.h"
#include "gedcomtext.h"

#include <optional>
#include <string>

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";
// Rows are written in blocks of about this size.
constexpr size_t OutputBlock = 1 << 16;

// Writes the rows of one file.
class ReportWriter
{
public:
    ReportWriter(std::FILE* out, std::string_view fileName, std::ostream& warnings, GedcomSummary& summary)
        : out_(out), fileName_(fileName), warnings_(warnings), summary_(summary)
    {
        buffer_.reserve(OutputBlock * 2);
        buffer_.append(GedcomReportHeader);
        buffer_.push_back('\n');
    }

    void setCharacterSet(std::string_view name)
    {
        characterSet_.assign(trimmed(name));
        utf8_ = equalsIgnoringCase(characterSet_, "UTF-8") || equalsIgnoringCase(characterSet_, "UTF8")
            || equalsIgnoringCase(characterSet_, "UNICODE");
    }
    void setUtf8() { utf8_ = true; }

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
                                                 valueOf(person.statedAge()), ageElsewhere);
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
        std::string error = person.problems();
        if (!row.error.empty())
            error.append(error.empty() ? "" : "; ").append(row.error);
        appendText(error);
        buffer_.push_back('\n');
        summary_.rowsWithErrors += error.empty() ? 0 : 1;
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
    // A value of the file, made safe and quoted.
    void appendText(std::string_view text)
    {
        clean_.clear();
        if (appendReportText(clean_, text, utf8_) && !warned_) {
            warned_ = true;
            warnings_ << "spanwright-cli: " << fileName_ << ": "
                      << (utf8_ ? std::string("bytes that are not UTF-8 text")
                                : "characters beyond ASCII in the character set "
                                    + (characterSet_.empty() ? std::string("of the file") : characterSet_))
                      << " are shown as U+FFFD\n";
        }
        appendCsvField(buffer_, clean_);
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
    std::string buffer_;
    std::string clean_;
    std::string scratch_;
    std::string characterSet_;
    bool utf8_ = true; // GEDCOM 5.5.5 makes UTF-8 the default
    bool warned_ = false;
    bool failed_ = false;
};

} // namespace

int writeGedcomReport(std::FILE* in, std::FILE* out, std::string_view fileName, std::ostream& warnings,
                      GedcomSummary& summary)
{
    const std::string name(fileName);
    GedcomLineReader reader(in);
    std::string_view text;
    GedcomLine line;
    bool started = false;
    bool byteOrderMark = false;
    while (!started && reader.next(text)) {
        if (reader.lineNumber() == 1) {
            if (text.substr(0, 2) == Utf16LittleEndianMark || text.substr(0, 2) == Utf16BigEndianMark) {
                warnings << "spanwright-cli: " << name << " is UTF-16 text; save it as UTF-8 to read it\n";
                return GedcomReportUnreadable;
            }
            if (text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
                text.remove_prefix(Utf8ByteOrderMark.size());
                byteOrderMark = true;
            }
        }
        if (trimmed(text).empty())
            continue;
        started = splitGedcomLine(text, line) && line.level == 0 && line.tag == "HEAD";
        if (!started)
            break;
    }
    if (!started) {
        warnings << "spanwright-cli: " << name
                 << (reader.failed() ? " cannot be read" : " is not a GEDCOM file (it does not begin with 0 HEAD)")
                 << '\n';
        return GedcomReportUnreadable;
    }

    ReportWriter writer(out, fileName, warnings, summary);
    if (byteOrderMark)
        writer.setUtf8();
    GedcomIndividual person;
    bool inHeader = true;
    bool inPerson = false;
    long long strayLines = 0;
    long long firstStrayLine = 0;
    while (reader.next(text)) {
        if (trimmed(text).empty())
            continue;
        if (!splitGedcomLine(text, line)) {
            if (inPerson)
                person.addProblem("line " + std::to_string(reader.lineNumber()) + ": not a GEDCOM line");
            else if (strayLines++ == 0)
                firstStrayLine = reader.lineNumber();
            continue;
        }
        if (line.level == 0) {
            if (inPerson) {
                person.end();
                writer.write(person);
            }
            inHeader = false;
            inPerson = line.tag == "INDI";
            if (inPerson)
                person.begin(line.xref);
            if (line.tag == "TRLR")
                break;
            continue;
        }
        if (inHeader && line.level == 1 && line.tag == "CHAR" && !byteOrderMark)
            writer.setCharacterSet(line.value);
        // A cut line matters only where its value is used (a long NOTE is
        // of no concern); its level and tag are in the part kept.
        if (inPerson && person.add(line, reader.cut()) && reader.cut()) {
            person.addProblem("line " + std::to_string(reader.lineNumber()) + ": longer than "
                              + std::to_string(GedcomLineReader::LongestLine) + " characters, not read");
        }
    }
    if (inPerson) {
        person.end();
        writer.write(person);
    }
    if (strayLines > 0)
        warnings << "spanwright-cli: " << name << ": " << strayLines
                 << " line(s) outside individual records could not be read (the first is line "
                 << firstStrayLine << ")\n";
    const bool written = writer.flush() && std::fflush(out) == 0 && !writer.failed();
    if (reader.failed() || !written) {
        warnings << "spanwright-cli: " << name << (reader.failed() ? ": read error" : ": the report could not be written")
                 << '\n';
        return GedcomReportUnreadable;
    }
    return summary.rowsWithErrors > 0 ? GedcomReportRowErrors : GedcomReportClean;
}
