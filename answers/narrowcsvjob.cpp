#include "narrowcsvjob.h"

#include "batchrows.h"
#include "dateprinting.h"
#include "narrowrecord.h"
#include "textbuffer.h"

#include <algorithm>
#include <limits>

namespace spanwright {

namespace {

constexpr std::string_view OutputColumns[] = {"person", "records", "earliest", "latest", "dates", "conflict", "error"};

constexpr size_t CachedRecords = 1 << 14; // a power of two: a hash picks the place

// A kept window's open ends: no day of any calendar is numbered so.
constexpr std::int32_t OpenEarliest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t OpenLatest = std::numeric_limits<std::int32_t>::max();
constexpr unsigned long long MostKeptRows = (1ULL << 31) - 1;

// The days both windows share; false when they share none.
bool narrowInto(BirthWindow& common, const BirthWindow& window)
{
    common.days = overlapOf(common.days, window.days);
    common.about = common.about || window.about;
    return !common.days.holdsNoDay();
}

void appendField(std::string& out, std::string_view text, char delimiter)
{
    const bool quoted = text.find_first_of(std::string{delimiter, '"', '\r', '\n'}) != std::string_view::npos;
    if (!quoted) {
        out.append(text);
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

} // namespace

NarrowCsvJob::NarrowCsvJob(NarrowCsvSettings settings)
    : settings_(std::move(settings)), reader_(std::make_unique<CsvReader>(settings_.delimiter)),
      onRow_([this](const CsvReader::Row& row) { return onRow(row); }),
      onPlainRow_([this](const CsvReader::PlainRow& row) { return onPlainRow(row); })
{
}

void NarrowCsvJob::fail(std::string problem)
{
    if (!failed_)
        problem_ = std::move(problem);
    failed_ = true;
}

bool NarrowCsvJob::feed(std::string_view chunk)
{
    if (failed_)
        return false;
    if (reader_->feed(chunk, onRow_, &onPlainRow_) == CsvReader::Outcome::Malformed)
        fail(settings_.inputName + ": " + reader_->malformedReason());
    return !failed_;
}

bool NarrowCsvJob::endPass()
{
    if (failed_)
        return false;
    if (reader_->finish(onRow_) == CsvReader::Outcome::Malformed) {
        fail(settings_.inputName + ": " + reader_->malformedReason());
        return false;
    }
    if (!headerSeen_) {
        fail(settings_.inputName + " has no header row");
        return false;
    }
    return false;
}

bool NarrowCsvJob::onRow(const CsvReader::Row& row)
{
    ++rowNumber_;
    if (row.emptyLine)
        return true;
    if (!headerSeen_)
        return startWith(row.fields);
    ++rows_;
    fieldViews_.assign(row.fields.begin(), row.fields.end());
    readRecord(fieldViews_);
    return true;
}

bool NarrowCsvJob::onPlainRow(const CsvReader::PlainRow& row)
{
    ++rowNumber_;
    if (!headerSeen_)
        return startWith(std::vector<std::string>(row.fields.begin(), row.fields.end()));
    ++rows_;
    readRecord(row.fields);
    return true;
}

bool NarrowCsvJob::startWith(const std::vector<std::string>& header)
{
    headerSeen_ = true;
    byteOrderMark_ = reader_->hadByteOrderMark();
    lineBreakCrLf_ = reader_->lineBreak() == "\r\n";
    struct Wanted
    {
        const char* option;
        const std::string* column;
        size_t* position;
    };
    const Wanted wanted[] = {{"--person", &settings_.personColumn, &personAt_},
                             {"--date", &settings_.dateColumn, &dateAt_},
                             {"--age", &settings_.ageColumn, &ageAt_}};
    for (const Wanted& column : wanted) {
        const ColumnSearch search = findColumn(header, *column.column, *column.position);
        if (search == ColumnSearch::Found)
            continue;
        std::string names;
        for (const std::string& name : header)
            names += (names.empty() ? "" : ", ") + quotedName(name);
        fail(std::string(column.option) + " " + *column.column
             + (search == ColumnSearch::Several ? ": the header has several columns of that name ("
                                                : ": the header has no such column (it has ")
             + std::to_string(header.size()) + ": " + names + ")");
        return false;
    }
    return true;
}

void NarrowCsvJob::readRecord(const std::vector<std::string_view>& fields)
{
    const auto field = [&fields](size_t at) -> std::string_view {
        return at < fields.size() ? fields[at] : std::string_view();
    };
    const std::string_view name = field(personAt_);
    size_t index = NoPerson;
    if (!name.empty()) {
        const size_t hash = NameIndex::hashOf(name);
        index = personIndex_.find(name, hash, [this](size_t at) -> std::string_view { return people_[at].name; });
        if (index == NameIndex::None) {
            index = people_.size();
            personIndex_.add(hash, index);
            people_.push_back(Person{std::string(name), 0, {}, false, NoWindow, NoWindow});
        }
    }
    if (index == NoPerson) {
        errors_.push_back({NoPerson, rowNumber_, "row " + std::to_string(rowNumber_) + ": no person"});
        return;
    }
    cacheKey_.assign(field(dateAt_));
    cacheKey_.push_back('\0');
    cacheKey_.append(field(ageAt_));
    if (recordCache_.empty())
        recordCache_.resize(CachedRecords);
    CachedRecord& cached = recordCache_[std::hash<std::string_view>{}(cacheKey_) & (CachedRecords - 1)];
    if (!cached.record || cached.key != cacheKey_) {
        cached.key = cacheKey_;
        cached.record = narrowWindowOf(field(dateAt_), field(ageAt_), settings_.options);
    }
    const Result<BirthWindow>& record = *cached.record;
    Person& person = people_[index];
    if (!record) {
        errors_.push_back({index, rowNumber_, "row " + std::to_string(rowNumber_) + ": " + record.problem().message});
        return;
    }
    keepWindow(person, *record);
    if (person.records++ == 0)
        person.common = *record;
    else if (!person.conflict && !narrowInto(person.common, *record))
        person.conflict = true;
}

void NarrowCsvJob::keepWindow(Person& person, const BirthWindow& window)
{
    // Records are never more than rows, so the row's bound holds both.
    if (rowNumber_ > MostKeptRows) {
        fail(settings_.inputName + " has more than " + std::to_string(MostKeptRows) + " rows");
        return;
    }
    const auto at = static_cast<std::uint32_t>(keptWindows_.size());
    const auto dayNumber = [](const std::optional<Day>& day, std::int32_t open) {
        return day ? static_cast<std::int32_t>(day->number()) : open;
    };
    keptWindows_.push_back({dayNumber(window.days.earliest, OpenEarliest), dayNumber(window.days.latest, OpenLatest),
                            static_cast<std::uint32_t>(rowNumber_), window.about, NoWindow});
    if (person.lastWindow == NoWindow)
        person.firstWindow = at;
    else
        keptWindows_[person.lastWindow].next = at;
    person.lastWindow = at;
}

void NarrowCsvJob::writePerson(const Person& person, std::string& out) const
{
    const char delimiter = settings_.delimiter;
    const DateOrder order = settings_.options.reading.order;
    BirthWindow window = person.common;
    std::string conflict;
    if (person.conflict) {
        std::vector<BirthWindow> windows;
        std::vector<unsigned long long> rows;
        windows.reserve(person.records);
        rows.reserve(person.records);
        for (std::uint32_t at = person.firstWindow; at != NoWindow; at = keptWindows_[at].next) {
            const KeptWindow& kept = keptWindows_[at];
            BirthWindow record;
            if (kept.earliest != OpenEarliest)
                record.days.earliest = Day(kept.earliest);
            if (kept.latest != OpenLatest)
                record.days.latest = Day(kept.latest);
            record.about = kept.about;
            windows.push_back(record);
            rows.push_back(kept.row);
        }
        const Narrowing narrowing = narrowWindows(windows);
        for (const AgreeingSet& set : narrowing.largestSets) {
            conflict += conflict.empty() ? (set.leftOut.size() == 1 ? "row" : "rows")
                                         : (set.leftOut.size() == 1 ? " or row" : " or rows");
            for (size_t left : set.leftOut)
                conflict += " " + std::to_string(rows[left]);
        }
        if (narrowing.moreSets > 0)
            conflict += " or " + std::to_string(narrowing.moreSets) + " more sets as large";
        if (!narrowing.largestSets.empty())
            window = narrowing.largestSets.front().window;
    }
    appendField(out, person.name, delimiter);
    out += delimiter + std::to_string(person.records) + delimiter;
    if (person.records > 0) {
        const std::string about = window.about ? "about " : "";
        if (window.days.earliest)
            appendField(out, about + calendarDateTextIn(dateOf(*window.days.earliest), order), delimiter);
        out += delimiter;
        if (window.days.latest)
            appendField(out, about + calendarDateTextIn(dateOf(*window.days.latest), order), delimiter);
        out += delimiter;
        if (const std::optional<long long> count = window.days.dayCount())
            out += std::to_string(*count);
    } else {
        out += delimiter;
        out += delimiter;
    }
    out += delimiter;
    appendField(out, conflict, delimiter);
    out += delimiter;
}

Outcome NarrowCsvJob::write(const Sink& sink)
{
    if (failed_)
        return Outcome::NotRead;
    const std::string lineBreak = lineBreakCrLf_ ? "\r\n" : "\n";
    std::string out = byteOrderMark_ ? std::string(Utf8ByteOrderMark) : std::string();
    for (std::string_view column : OutputColumns) {
        if (column != OutputColumns[0])
            out += settings_.delimiter;
        out += column;
    }
    out += lineBreak;
    // Each person's error rows under the person's row, in row order; rows
    // without a person last.
    std::stable_sort(errors_.begin(), errors_.end(),
                     [](const ErrorRow& a, const ErrorRow& b) { return a.person < b.person; });
    constexpr size_t FlushSize = 1 << 16;
    bool someFailed = !errors_.empty();
    size_t error = 0;
    const auto writeError = [&](const ErrorRow& row, std::string_view name) {
        appendField(out, name, settings_.delimiter);
        out += settings_.delimiter + std::string("0");
        for (int empty = 0; empty < 4; ++empty)
            out += settings_.delimiter;
        out += settings_.delimiter;
        appendField(out, row.problem, settings_.delimiter);
        out += lineBreak;
    };
    for (size_t index = 0; index < people_.size(); ++index) {
        writePerson(people_[index], out);
        out += lineBreak;
        someFailed = someFailed || people_[index].conflict;
        for (; error < errors_.size() && errors_[error].person == index; ++error)
            writeError(errors_[error], people_[index].name);
        if (out.size() >= FlushSize) {
            sink(out);
            out.clear();
        }
    }
    for (; error < errors_.size(); ++error)
        writeError(errors_[error], "");
    sink(out);
    return someFailed ? Outcome::NoAnswer : Outcome::Answered;
}

} // namespace spanwright
