#include "familytreereader.h"

#include "asciitext.h"
#include "gedcomlinereader.h"
#include "gedcomstart.h"

#include <algorithm>
#include <stdexcept>
#include <array>
#include <tuple>

namespace {

constexpr int EventLevel = 1;
// Records are counted in 32 bits, NoOne standing for none.
constexpr std::size_t MostRecords = NoOne - 1;
constexpr int DetailLevel = 2;

// "@I1@" is I1.
std::string_view pointerTarget(std::string_view value)
{
    value = trimmed(value);
    if (value.size() >= 2 && value.front() == '@' && value.back() == '@')
        value = value.substr(1, value.size() - 2);
    return value;
}

// The records' indices ordered by id, for finding a record by its id; of
// two records with one id, the first in the file is found.
class IdIndex
{
public:
    template <typename Record>
    IdIndex(const FamilyTree& tree, const std::vector<Record>& records)
        : tree_(tree)
    {
        order_.resize(records.size());
        for (std::uint32_t i = 0; i < order_.size(); ++i)
            order_[i] = i;
        ids_.reserve(records.size());
        for (const Record& record : records)
            ids_.push_back(record.id);
        std::stable_sort(order_.begin(), order_.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return idOf(a) < idOf(b); });
    }

    std::uint32_t find(std::string_view id) const
    {
        const auto found = std::lower_bound(order_.begin(), order_.end(), id,
                                            [&](std::uint32_t a, std::string_view b) { return idOf(a) < b; });
        return found != order_.end() && idOf(*found) == id ? *found : NoOne;
    }

private:
    std::string_view idOf(std::uint32_t index) const { return tree_.text(ids_[index]); }

    const FamilyTree& tree_;
    std::vector<TreeText> ids_;
    std::vector<std::uint32_t> order_;
};

struct ChildLink
{
    std::uint32_t family;
    std::uint32_t person;
    std::uint32_t sequence; // the order the file states it in
};

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
    }
    record_ = Record::Other;
    event_ = nullptr;
}

void FamilyTreeBuilder::add(const GedcomLine& line, bool cut)
{
    if (line.level == 0) {
        endRecord();
        if (std::max(tree_.people.size(), tree_.families.size()) >= MostRecords)
            throw std::length_error("more than " + std::to_string(MostRecords) + " records of one kind");
        if (line.tag == "INDI") {
            record_ = Record::Person;
            tree_.people.emplace_back().id = store(line.xref);
            individual_.begin(line.xref);
        } else if (line.tag == "FAM") {
            record_ = Record::Family;
            tree_.families.emplace_back().id = store(line.xref);
        }
        return;
    }
    if (record_ == Record::Person) {
        individual_.add(line, cut);
        addPersonLine(line);
    } else if (record_ == Record::Family) {
        addFamilyLine(line);
    }
    // The value of a cut line is not what was written; its date is not used.
    if (line.level == DetailLevel && line.tag == "DATE" && event_ != nullptr && !event_->present && !cut) {
        *event_ = treeDateOf(line.value, {}, calendar_);
        if (event_->present)
            event_->text = store(trimmed(line.value));
    }
}

TreeText FamilyTreeBuilder::store(std::string_view text)
{
    if (encoding_.kind() == GedcomEncoding::Kind::Utf8)
        return tree_.addText(text);
    decoded_.clear();
    encoding_.decode(text, decoded_);
    return tree_.addText(decoded_);
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
    }
}

void FamilyTreeBuilder::addLink(std::uint32_t from, Link kind, std::string_view target)
{
    links_.push_back({from, kind, target.size(), linkTexts_.size()});
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
    const IdIndex peopleById(tree_, tree_.people);
    const IdIndex familiesById(tree_, tree_.families);
    const auto targetOf = [&](const PendingLink& link) {
        return std::string_view(linkTexts_).substr(link.targetOffset, link.targetSize);
    };
    std::vector<ChildLink> childLinks;
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
            childLinks.push_back({link.from, person, static_cast<std::uint32_t>(childLinks.size())});
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
            childLinks.push_back({familyIndex, link.from, static_cast<std::uint32_t>(childLinks.size())});
        } else if (family.husband != link.from && family.wife != link.from) {
            if (sex == TreePerson::Sex::Male && family.husband == NoOne)
                family.husband = link.from;
            else if (sex == TreePerson::Sex::Female && family.wife == NoOne)
                family.wife = link.from;
        }
    }
    links_ = {};
    linkTexts_ = {};

    // One link per child and family, where both sides state it.
    std::sort(childLinks.begin(), childLinks.end(), [](const ChildLink& a, const ChildLink& b) {
        return std::tie(a.family, a.person, a.sequence) < std::tie(b.family, b.person, b.sequence);
    });
    childLinks.erase(std::unique(childLinks.begin(), childLinks.end(),
                                 [](const ChildLink& a, const ChildLink& b) {
                                     return a.family == b.family && a.person == b.person;
                                 }),
                     childLinks.end());
    std::sort(childLinks.begin(), childLinks.end(), [](const ChildLink& a, const ChildLink& b) {
        return std::tie(a.family, a.sequence) < std::tie(b.family, b.sequence);
    });
    tree_.children.clear();
    tree_.children.reserve(childLinks.size());
    for (const ChildLink& child : childLinks) {
        TreeFamily& family = tree_.families[child.family];
        if (family.childCount == 0)
            family.firstChild = static_cast<std::uint32_t>(tree_.children.size());
        ++family.childCount;
        tree_.children.push_back(child.person);
    }

    // The same links by person: the families each is a child in.
    tree_.parentFamilyStart.assign(tree_.people.size() + 1, 0);
    for (const ChildLink& child : childLinks)
        ++tree_.parentFamilyStart[child.person + 1];
    for (std::size_t i = 1; i < tree_.parentFamilyStart.size(); ++i)
        tree_.parentFamilyStart[i] += tree_.parentFamilyStart[i - 1];
    tree_.parentFamilies.assign(childLinks.size(), 0);
    std::vector<std::uint32_t> filled(tree_.parentFamilyStart.begin(), tree_.parentFamilyStart.end() - 1);
    for (const ChildLink& child : childLinks)
        tree_.parentFamilies[filled[child.person]++] = child.family;
}

bool readFamilyTree(std::FILE* in, std::string_view fileName, std::ostream& warnings, FamilyTree& tree,
                    const FamilyTreeBuilder::PersonHook& hook, const CalendarChoice& calendar)
{
    GedcomLineReader reader(in);
    GedcomStart start(reader);
    const auto refused = [&](std::string_view why) {
        warnings << "spanwright-cli: " << fileName << why << '\n';
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
    while (reader.next(text)) {
        if (!splitGedcomLine(text, line))
            continue;
        const bool characterSet = start.namesCharacterSet(line);
        if (line.level == 0 && line.tag == "TRLR")
            break;
        if (characterSet)
            builder.setEncoding(GedcomEncoding(trimmed(line.value)));
        builder.add(line, reader.cut());
    }
    builder.finish();
    if (reader.tooLong())
        return refused(": a line is longer than 1 MiB; not a GEDCOM file");
    if (reader.failed())
        return refused(": read error");
    return true;
}
