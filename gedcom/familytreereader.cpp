#include "familytreereader.h"

#include "text/asciitext.h"
#include "familytreelinks.h"
#include "gedcomlinereader.h"
#include "gedcomlinetally.h"
#include "gedcomstart.h"

#include <algorithm>
#include <stdexcept>
#include <array>

namespace spanwright {

namespace {

constexpr int EventLevel = 1;
// Records are counted in 32 bits, NoOne standing for none.
constexpr std::size_t MostRecords = NoOne - 1;
constexpr int DetailLevel = 2;
constexpr int AdoptionLevel = 3; // 3 ADOP under the FAMC of an ADOP event
// The duplicate ids told in full; beyond them only counted.
constexpr std::size_t MostDuplicatesTold = 10;

// A PEDI, _FREL or _MREL value of a child not born to the parent: GEDCOM's
// own (a sealing is to parents other than the birth parents), and those
// other programs write, Gramps among them (stepchild, sponsored).
bool notByBirth(std::string_view value)
{
    value = trimmed(value);
    for (const std::string_view word : {"ADOPTED", "FOSTER", "SEALING", "STEP", "STEPCHILD", "SPONSORED"}) {
        if (equalsIgnoringCase(value, word))
            return true;
    }
    return false;
}

} // namespace

FamilyTreeBuilder::FamilyTreeBuilder(FamilyTree& tree, PersonHook hook)
    : tree_(tree), hook_(std::move(hook))
{
}

void FamilyTreeBuilder::endRecord()
{
    if (record_ == Record::Person) {
        individual_.end();
        if (hook_)
            hook_(static_cast<std::uint32_t>(tree_.people.size() - 1), individual_, encoding_);
    } else if (record_ == Record::Family) {
        familyAges_.end();
    }
    keepStatedAges();
    record_ = Record::Other;
    event_ = nullptr;
}

void FamilyTreeBuilder::keepStatedAges()
{
    if (record_ == Record::Person) {
        const auto person = static_cast<std::uint32_t>(tree_.people.size() - 1);
        for (const StatedAgeEvent& event : individual_.statedAgeEvents())
            tree_.statedAges.push_back({person, NoOne, share(event.tag), share(event.date), share(event.age),
                                        share(event.place)});
    } else if (record_ == Record::Family) {
        const auto family = static_cast<std::uint32_t>(tree_.families.size() - 1);
        for (const FamilyEventAges::Age& age : familyAges_.ages()) {
            spouseAges_.push_back({family, age.spouse, share(age.event.tag), share(age.event.date),
                                   share(age.event.age), share(age.event.place)});
        }
    }
}

void FamilyTreeBuilder::add(const GedcomLine& line, bool cut, long long lineNumber)
{
    if (line.level == 0) {
        endRecord();
        bondableLink_ = SIZE_MAX;
        if (std::max(tree_.people.size(), tree_.families.size()) >= MostRecords)
            throw std::length_error("more than " + std::to_string(MostRecords) + " records of one kind");
        if (isTag(line, "INDI")) {
            record_ = Record::Person;
            inAdoption_ = false;
            tree_.people.emplace_back().id = store(line.xref);
            personLines_.push_back(lineNumber);
            individual_.begin(line.xref);
        } else if (isTag(line, "FAM")) {
            record_ = Record::Family;
            tree_.families.emplace_back().id = store(line.xref);
            familyLines_.push_back(lineNumber);
            familyAges_.begin();
        }
        return;
    }
    if (line.level == EventLevel)
        bondableLink_ = SIZE_MAX;
    else if (line.level == DetailLevel && bondableLink_ != SIZE_MAX)
        addBond(line);
    if (record_ == Record::Person) {
        individual_.add(line, cut);
        addPersonLine(line);
        addAdoptionLine(line);
    } else if (record_ == Record::Family) {
        familyAges_.add(line, cut);
        addFamilyLine(line);
    }
    // The value of a cut line is not what was written; its date is not used.
    if (line.level == DetailLevel && line.tag == "DATE" && event_ != nullptr && !event_->present && !cut) {
        const Result<GedcomDate> read = dates_->read(line.value);
        *event_ = treeDateOf(read, {});
        if (event_->present)
            event_->text = share(trimmed(line.value));
        else
            noteUnreadableDate(trimmed(line.value), read, lineNumber);
    }
}

void FamilyTreeBuilder::setCalendarChoice(const DateReadOptions& choice)
{
    calendar_ = choice;
    ownDates_ = GedcomDateReadings(choice);
}

void FamilyTreeBuilder::noteUnreadableDate(std::string_view value, const Result<GedcomDate>& read, long long lineNumber)
{
    // Empty values, status words and phrases are no dates, and no error.
    if (value.empty() || read)
        return;
    if (unreadableDates_++ > 0)
        return; // only the first is named
    // The reason quotes the value, in the file's character set; the
    // readings kept leave it out.
    std::string problem = readGedcomDate(value, calendar_).problem().message;
    if (encoding_.kind() != GedcomEncoding::Kind::Utf8) {
        decoded_.clear();
        encoding_.decode(problem, decoded_);
        problem = decoded_;
    }
    firstUnreadableDate_ = "line " + std::to_string(lineNumber) + ": " + problem;
}

void FamilyTreeBuilder::addBond(const GedcomLine& line)
{
    PendingLink& link = links_[bondableLink_];
    if (!notByBirth(line.value))
        return;
    if (line.tag == "PEDI")
        link.bond |= NotBornToFather | NotBornToMother;
    else if (line.tag == "_FREL")
        link.bond |= NotBornToFather;
    else if (line.tag == "_MREL")
        link.bond |= NotBornToMother;
}

// 1 ADOP, 2 FAMC @F1@, 3 ADOP HUSB, WIFE or BOTH (the default): the
// person is a child of the family by adoption.
void FamilyTreeBuilder::addAdoptionLine(const GedcomLine& line)
{
    if (line.level == EventLevel) {
        inAdoption_ = line.tag == "ADOP";
        adoptionLink_ = SIZE_MAX;
    } else if (inAdoption_ && line.level == DetailLevel && line.tag == "FAMC") {
        addLink(static_cast<std::uint32_t>(tree_.people.size() - 1), Link::Child, pointerTarget(line.value));
        adoptionLink_ = links_.size() - 1;
        links_.back().bond = NotBornToFather | NotBornToMother;
    } else if (adoptionLink_ != SIZE_MAX && line.level == AdoptionLevel && line.tag == "ADOP") {
        const std::string_view by = trimmed(line.value);
        if (equalsIgnoringCase(by, "HUSB"))
            links_[adoptionLink_].bond = NotBornToFather;
        else if (equalsIgnoringCase(by, "WIFE"))
            links_[adoptionLink_].bond = NotBornToMother;
    }
}

void FamilyTreeBuilder::markRecordCut()
{
    if (record_ == Record::Person)
        tree_.cutPerson = static_cast<std::uint32_t>(tree_.people.size() - 1);
    else if (record_ == Record::Family)
        tree_.cutFamily = static_cast<std::uint32_t>(tree_.families.size() - 1);
}

std::string_view FamilyTreeBuilder::inUtf8(std::string_view text)
{
    if (encoding_.kind() == GedcomEncoding::Kind::Utf8)
        return text;
    decoded_.clear();
    encoding_.decode(text, decoded_);
    return decoded_;
}

TreeText FamilyTreeBuilder::store(std::string_view text)
{
    return tree_.addText(inUtf8(text));
}

SharedTreeText FamilyTreeBuilder::share(std::string_view text)
{
    return tree_.shareText(inUtf8(text));
}

void FamilyTreeBuilder::addPersonLine(const GedcomLine& line)
{
    if (line.level != EventLevel)
        return;
    TreePerson& person = tree_.people.back();
    const auto index = static_cast<std::uint32_t>(tree_.people.size() - 1);
    event_ = nullptr;
    if (line.tag == "BIRT") {
        event_ = &person.birth;
    } else if (line.tag == "CHR" || line.tag == "BAPM") {
        event_ = &person.christening;
        if (!person.christening.present)
            person.baptism = line.tag == "BAPM";
    } else if (line.tag == "DEAT") {
        event_ = &person.death;
    } else if (line.tag == "BURI") {
        event_ = &person.burial;
    } else if (line.tag == "SEX") {
        const std::string_view sex = trimmed(line.value);
        person.sex = sex == "M" ? TreePerson::Sex::Male : sex == "F" ? TreePerson::Sex::Female : TreePerson::Sex::Unknown;
    } else if (line.tag == "FAMS" || line.tag == "FAMC") {
        const std::string_view target = pointerTarget(line.value);
        addLink(index, line.tag == "FAMS" ? Link::Spouse : Link::Child, target);
        if (line.tag == "FAMC")
            bondableLink_ = links_.size() - 1;
    }
}

void FamilyTreeBuilder::addLink(std::uint32_t from, Link kind, std::string_view target)
{
    if (target.size() > UINT32_MAX - linkTexts_.size())
        throw std::length_error("the tree's links are longer than 4 GiB");
    links_.push_back({from, static_cast<std::uint32_t>(target.size()), static_cast<std::uint32_t>(linkTexts_.size()),
                      kind});
    linkTexts_.append(target);
}

void FamilyTreeBuilder::addFamilyLine(const GedcomLine& line)
{
    if (line.level != EventLevel)
        return;
    const auto index = static_cast<std::uint32_t>(tree_.families.size() - 1);
    event_ = nullptr;
    static constexpr std::array<std::pair<std::string_view, Link>, 3> Members = {{
        {"HUSB", Link::Husband},
        {"WIFE", Link::Wife},
        {"CHIL", Link::FamilyChild},
    }};
    if (line.tag == "MARR") {
        event_ = &tree_.families.back().marriage;
        return;
    }
    for (const auto& [tag, kind] : Members) {
        if (line.tag == tag) {
            addLink(index, kind, pointerTarget(line.value));
            if (kind == Link::FamilyChild)
                bondableLink_ = links_.size() - 1;
        }
    }
}

void FamilyTreeBuilder::finish()
{
    endRecord();
    link();
}

void FamilyTreeBuilder::link()
{
    const TreeIdIndex peopleById(tree_, tree_.people);
    const TreeIdIndex familiesById(tree_, tree_.families);
    const auto noteDuplicates = [&](const TreeIdIndex& index, const auto& records, const std::vector<long long>& lines) {
        for (const TreeIdIndex::Duplicate& duplicate : index.duplicates()) {
            duplicates_.push_back(
                {std::string(tree_.text(records[duplicate.later].id)), lines[duplicate.first], lines[duplicate.later]});
        }
    };
    noteDuplicates(peopleById, tree_.people, personLines_);
    noteDuplicates(familiesById, tree_.families, familyLines_);
    std::sort(duplicates_.begin(), duplicates_.end(),
              [](const Duplicate& a, const Duplicate& b) { return a.laterLine < b.laterLine; });
    personLines_ = {};
    familyLines_ = {};
    const auto targetOf = [&](const PendingLink& link) {
        return std::string_view(linkTexts_).substr(link.targetOffset, link.targetSize);
    };
    std::vector<TreeChildLink> childLinks;
    // The families' own statements first, so that their HUSB and WIFE win.
    for (const PendingLink& link : links_) {
        if (link.kind == Link::Spouse || link.kind == Link::Child)
            continue;
        const std::uint32_t person = peopleById.find(targetOf(link));
        if (person == NoOne)
            continue;
        TreeFamily& family = tree_.families[link.from];
        if (link.kind == Link::Husband && family.husband == NoOne)
            family.husband = person;
        else if (link.kind == Link::Wife && family.wife == NoOne)
            family.wife = person;
        else if (link.kind == Link::FamilyChild)
            childLinks.push_back({link.from, person, static_cast<std::uint32_t>(childLinks.size()), link.bond});
    }
    for (const PendingLink& link : links_) {
        if (link.kind != Link::Spouse && link.kind != Link::Child)
            continue;
        const std::uint32_t familyIndex = familiesById.find(targetOf(link));
        if (familyIndex == NoOne)
            continue;
        TreeFamily& family = tree_.families[familyIndex];
        const TreePerson::Sex sex = tree_.people[link.from].sex;
        if (link.kind == Link::Child) {
            childLinks.push_back({familyIndex, link.from, static_cast<std::uint32_t>(childLinks.size()), link.bond});
        } else if (family.husband != link.from && family.wife != link.from) {
            if (sex == TreePerson::Sex::Male && family.husband == NoOne)
                family.husband = link.from;
            else if (sex == TreePerson::Sex::Female && family.wife == NoOne)
                family.wife = link.from;
        }
    }
    links_ = {};
    linkTexts_ = {};

    // The ages the families' events state, to the husband or wife linked.
    TreeStatedAges spouseAges;
    for (const PendingSpouseAge& age : spouseAges_) {
        const TreeFamily& family = tree_.families[age.family];
        const std::uint32_t person = age.spouse == FamilyEventAges::Spouse::Husband ? family.husband : family.wife;
        if (person != NoOne)
            spouseAges.push_back({person, age.family, age.tag, age.date, age.age, age.place});
    }
    spouseAges_ = {};
    addSpouseStatedAges(tree_, std::move(spouseAges));

    storeChildLinks(tree_, childLinks);
}

namespace {

void tellProblems(std::ostream& warnings, std::string_view fileName, const FamilyTreeBuilder& builder)
{
    const auto start = [&]() -> std::ostream& { return warnings << fileName << ": "; };
    const std::vector<FamilyTreeBuilder::Duplicate>& duplicates = builder.duplicates();
    for (std::size_t i = 0; i < duplicates.size() && i < MostDuplicatesTold; ++i) {
        start() << "line " << duplicates[i].laterLine << ": the id @" << duplicates[i].id << "@ is that of line "
                << duplicates[i].firstLine << " as well; links to it go to line " << duplicates[i].firstLine << '\n';
    }
    if (duplicates.size() > MostDuplicatesTold)
        start() << "and " << duplicates.size() - MostDuplicatesTold << " more ids used twice\n";
    if (builder.unreadableDates() > 0) {
        start() << builder.unreadableDates() << " date(s) could not be read and were left out of the check (the first, "
                << builder.firstUnreadableDate() << ")\n";
    }
}

} // namespace

bool readFamilyTree(std::FILE* in, std::string_view fileName, std::ostream& warnings, FamilyTree& tree,
                    const FamilyTreeBuilder::PersonHook& hook, const DateReadOptions& calendar,
                    FamilyTreeProblems* problems, GedcomDateReadings* dates)
{
    GedcomLineReader reader(in);
    GedcomStart start(reader);
    const auto refused = [&](std::string_view why) {
        warnings << fileName << why << '\n';
        return false;
    };
    if (start.outcome() == GedcomStart::Outcome::TooLong)
        return refused(": a line is longer than 1 MiB; not a GEDCOM file");
    if (start.outcome() != GedcomStart::Outcome::Head)
        return refused(start.refusal());

    std::string_view text;
    GedcomLine line;
    FamilyTreeBuilder builder(tree, hook);
    builder.setCalendarChoice(calendar);
    if (dates != nullptr)
        builder.setDateReadings(*dates);
    GedcomLineTally tally;
    std::string lastRecord;
    while (reader.next(text)) {
        if (trimmed(text).empty())
            continue;
        const bool gedcom = splitGedcomLine(text, line);
        tally.count(reader.lineNumber(), gedcom, line);
        if (!gedcom)
            continue;
        const bool characterSet = start.namesCharacterSet(line);
        if (line.level == 0 && isTag(line, "TRLR")) {
            tally.countTrailer();
            reader.readToEnd();
            break;
        }
        if (line.level == 0) {
            lastRecord = std::string(line.xref.empty() ? line.tag : line.xref) + " (line "
                + std::to_string(reader.lineNumber()) + ")";
        }
        if (characterSet)
            builder.setEncoding(GedcomEncoding(trimmed(line.value)));
        builder.add(line, reader.cut(), reader.lineNumber());
    }
    if (!tally.trailer())
        builder.markRecordCut();
    builder.finish();
    if (reader.tooLong())
        return refused(": a line is longer than 1 MiB; not a GEDCOM file");
    if (reader.failed())
        return refused(": read error");
    if (tally.mostlyNotGedcom()) {
        tally.tellRefusal(warnings, fileName);
        return false;
    }
    tally.tell(warnings, fileName, lastRecord);
    if (reader.utf16Replaced())
        warnings << fileName
                 << (reader.utf16Cut() ? ": the file ends inside a UTF-16 character (is it cut short?), shown as U+FFFD\n"
                                       : ": bytes that are not whole UTF-16 characters are shown as U+FFFD\n");
    tellProblems(warnings, fileName, builder);
    if (problems != nullptr) {
        problems->linesNotGedcom = tally.notGedcom();
        problems->levelJumps = tally.levelJumps();
        problems->mayBeCut = !tally.trailer();
        problems->unreadableDates = builder.unreadableDates();
        problems->duplicateIds = static_cast<long long>(builder.duplicates().size());
    }
    return true;
}

} // namespace spanwright
