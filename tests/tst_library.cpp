// The C++ library through its public headers alone, as another program uses
// it: the days a date text allows (either end open), spans across every
// month length and across the calendars, the tombstone windows both ways,
// and problems returned as values of their kind.

#include <spanwright/spanwright.h>

#include <QTest>

#include <optional>
#include <string>

Q_DECLARE_METATYPE(spanwright::ProblemKind)

namespace {

// The day number of a date of one day, through the library's own reader.
spanwright::Day dayOf(const char* text)
{
    const auto date = spanwright::readDateText(text);
    if (!date || !date->days.oneDay())
        qFatal("\"%s\" is not one day", text);
    return *date->days.earliest;
}

} // namespace

class LibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void dayRangeOfDate_data();
    void dayRangeOfDate();
    void spanAcrossMonthLengths_data();
    void spanAcrossMonthLengths();
    void tombstoneWindows_data();
    void tombstoneWindows();
    void calendarDays_data();
    void calendarDays();
    void problemsAsValues_data();
    void problemsAsValues();
};

void LibraryTest::dayRangeOfDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first"); // "" for an open end
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("count"); // -1: none, an end being open
    QTest::addColumn<bool>("about");

    QTest::newRow("one day") << "17 May 1990" << "5/17/1990" << "5/17/1990" << 1 << false;
    QTest::newRow("a month of a leap year") << "Feb 1900" << "2/1/1900" << "2/28/1900" << 28 << false;
    QTest::newRow("a leap year") << "2000" << "1/1/2000" << "12/31/2000" << 366 << false;
    QTest::newRow("open before") << "bef. 1850" << "" << "12/31/1849" << -1 << false;
    QTest::newRow("open after") << "after 1850" << "1/1/1851" << "" << -1 << false;
    QTest::newRow("Julian dual year") << "11 Feb 1731/32" << "2/22/1732" << "2/22/1732" << 1 << false;
    QTest::newRow("about a year") << "abt 1850" << "1/1/1850" << "12/31/1850" << 365 << true;
}

void LibraryTest::dayRangeOfDate()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, count);
    QFETCH(bool, about);

    const auto date = spanwright::readDateText(text.toStdString());
    QVERIFY2(date.ok(), date ? "" : date.problem().message.c_str());
    const spanwright::DayRange& days = date->days;
    QCOMPARE(days.openBefore(), first.isEmpty());
    QCOMPARE(days.openAfter(), last.isEmpty());
    if (!first.isEmpty()) {
        QCOMPARE(*days.earliest, dayOf(first.toUtf8()));
        QVERIFY(!days.contains(*days.earliest - 1));
    }
    if (!last.isEmpty()) {
        QCOMPARE(*days.latest, dayOf(last.toUtf8()));
        QVERIFY(!days.contains(*days.latest + 1));
    }
    // An open end reaches every day on its side.
    QVERIFY(days.contains(first.isEmpty() ? spanwright::Day(-1'000'000) : *days.earliest));
    QVERIFY(days.contains(last.isEmpty() ? spanwright::Day(10'000'000) : *days.latest));
    QCOMPARE(days.dayCount(), count < 0 ? std::nullopt : std::optional<long long>(count));
    QCOMPARE(date->approximate, about);

    // The days from a day before the date and to a day after it: the fewest
    // reach its nearer end, the most its farther one, an open end none.
    const spanwright::Day before = dayOf("1/1/1700");
    const spanwright::Day after = dayOf("1/1/2100");
    const auto since = spanwright::days("1/1/1700", text.toStdString());
    const auto until = spanwright::days(text.toStdString(), "1/1/2100");
    QVERIFY(since.ok() && until.ok());
    const auto fromBefore = [&](spanwright::Day day) { return std::optional<long long>(day - before); };
    const auto toAfter = [&](spanwright::Day day) { return std::optional<long long>(after - day); };
    QCOMPARE(since->fewest, first.isEmpty() ? std::nullopt : fromBefore(*days.earliest));
    QCOMPARE(since->most, last.isEmpty() ? std::nullopt : fromBefore(*days.latest));
    QCOMPARE(until->fewest, last.isEmpty() ? std::nullopt : toAfter(*days.latest));
    QCOMPARE(until->most, first.isEmpty() ? std::nullopt : toAfter(*days.earliest));
    QCOMPARE(since->approximate, about);
    QCOMPARE(until->approximate, about);
}

void LibraryTest::spanAcrossMonthLengths_data()
{
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::addColumn<qlonglong>("years");
    QTest::addColumn<qlonglong>("months");
    QTest::addColumn<qlonglong>("days");

    // A month is complete when the end reaches the begin's day of the month;
    // the days after it count from that day, a day past the end of a shorter
    // month falling back to its last day.
    QTest::newRow("February of 28 days") << "1/31/1990" << "2/28/1990" << 0LL << 0LL << 28LL;
    QTest::newRow("February of 29 days") << "1/31/1992" << "2/29/1992" << 0LL << 0LL << 29LL;
    QTest::newRow("past February's end") << "1/31/1990" << "3/1/1990" << 0LL << 1LL << 1LL;
    QTest::newRow("a month of 30 days") << "3/31/1990" << "4/30/1990" << 0LL << 0LL << 30LL;
    QTest::newRow("from a month of 30 days") << "4/30/1990" << "5/31/1990" << 0LL << 1LL << 1LL;
    QTest::newRow("a month of 31 days") << "1/1/1990" << "1/31/1990" << 0LL << 0LL << 30LL;
    QTest::newRow("a leap day to a common year") << "2/29/1992" << "2/28/1993" << 0LL << 11LL << 30LL;
    // Julian 29 Feb 1700 (a Julian leap year, not a Gregorian one) to 28 Feb
    // 1701, reckoned in the Julian calendar: in Gregorian days (11 Mar 1700
    // to 11 Mar 1701) it would be a year.
    QTest::newRow("two Julian dates") << "29 Feb 1700 O.S." << "28 Feb 1701 O.S." << 0LL << 11LL << 30LL;
    QTest::newRow("Washington") << "11 Feb 1731/32" << "14 Dec 1799" << 67LL << 9LL << 22LL;
    // Of one day each, yet about: worded as an about span, not a plain one.
    QTest::newRow("about a February of 28 days") << "1/31/1990" << "abt 2/28/1990" << 0LL << 0LL << 28LL;
}

void LibraryTest::spanAcrossMonthLengths()
{
    QFETCH(QString, begin);
    QFETCH(QString, end);
    QFETCH(qlonglong, years);
    QFETCH(qlonglong, months);
    QFETCH(qlonglong, days);

    const auto span = spanwright::span(begin.toStdString(), end.toStdString());
    QVERIFY2(span.ok(), span ? "" : span.problem().message.c_str());
    QVERIFY(span->exact);
    QVERIFY(span->least == (spanwright::YearsMonthsDays{years, months, days}));
    const bool about = end.startsWith("abt ");
    QCOMPARE(span->approximate, about);
    QCOMPARE(QString::fromStdString(span->lines.front()),
             QStringLiteral("%1%2 Year(s), %3 month(s), %4 day(s)")
                 .arg(about ? "about: " : "").arg(years).arg(months).arg(days));
}

void LibraryTest::tombstoneWindows_data()
{
    QTest::addColumn<bool>("born");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("marks"); // the age's: "about", "elapsed days"

    // Every birth from 1/28 to 1/31 is 1 month, 1 day before 3/1/1990.
    QTest::newRow("born") << true << "3/1/1990" << "1 month, 1 day" << "1/28/1990" << "1/31/1990" << "";
    QTest::newRow("died") << false << "1/31/1990" << "1 month, 1 day" << "3/1/1990" << "3/1/1990" << "";
    // Aged 39: from the 39th birthday to the day before the 40th.
    QTest::newRow("died aged 39") << false << "5/10/1950" << "aged 39" << "5/10/1989" << "5/9/1990" << "";
    QTest::newRow("born about 39, no wider") << true << "5/10/1950" << "about 39" << "5/11/1910" << "5/10/1911"
                                             << "about";
    QTest::newRow("died 45 days: days passed") << false << "1/1/1900" << "45 days" << "2/15/1900" << "2/15/1900"
                                               << "elapsed days";
}

void LibraryTest::tombstoneWindows()
{
    QFETCH(bool, born);
    QFETCH(QString, date);
    QFETCH(QString, age);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, marks);

    const auto window = born ? spanwright::bornWithin(date.toStdString(), age.toStdString())
                             : spanwright::diedWithin(date.toStdString(), age.toStdString());
    QVERIFY2(window.ok(), window ? "" : window.problem().message.c_str());
    QCOMPARE(window->earliest, std::optional<spanwright::Day>(dayOf(first.toUtf8())));
    QCOMPARE(window->latest, std::optional<spanwright::Day>(dayOf(last.toUtf8())));
    const auto meaning = spanwright::readAge(age.toStdString());
    QVERIFY(meaning.ok());
    QCOMPARE(meaning->about, marks.contains("about"));
    QCOMPARE(meaning->countsElapsedDays, marks.contains("elapsed days"));
    // The one record narrowed gives the same births, marked about alike.
    if (born) {
        const auto narrowed = spanwright::narrow({(date + ": " + age).toStdString()});
        QVERIFY2(narrowed.ok(), narrowed ? "" : narrowed.problem().message.c_str());
        QCOMPARE(narrowed->births.earliest, window->earliest);
        QCOMPARE(narrowed->births.latest, window->latest);
        QCOMPARE(narrowed->about, marks.contains("about"));
    }
}

// A day of each calendar as a Day and back, checked against the same day
// read as a Gregorian text: the two ways share only the day count.
void LibraryTest::calendarDays_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("gregorian");

    using spanwright::CalendarSystem;
    const auto row = [](const char* name, CalendarSystem system, int year, int month, int day, const char* text) {
        QTest::newRow(name) << static_cast<int>(system) << year << month << day << QString(text);
    };
    row("the first day", CalendarSystem::Gregorian, 1, 1, 1, "1/1/0001");
    row("Julian, the last day before Britain's switch", CalendarSystem::Julian, 1752, 9, 2, "9/13/1752");
    row("Julian, the last day before Rome's switch", CalendarSystem::Julian, 1582, 10, 4, "10/14/1582");
    row("Julian 29 February 1700", CalendarSystem::Julian, 1700, 2, 29, "3/11/1700");
    row("Swedish 30 February 1712", CalendarSystem::Swedish, 1712, 2, 30, "3/11/1712");
    row("Hebrew 1 Tishri 5785", CalendarSystem::Hebrew, 5785, 1, 1, "10/3/2024");
    row("Hebrew 29 Elul 5784", CalendarSystem::Hebrew, 5784, 13, 29, "10/2/2024");
    row("French Republican 1 Vendemiaire I", CalendarSystem::FrenchRepublican, 1, 1, 1, "9/22/1792");
    row("Islamic 1 Muharram 1 AH, the civil epoch", CalendarSystem::Islamic, 1, 1, 1, "7/19/0622");
    row("Persian 30 Esfand 1403, a leap day", CalendarSystem::Persian, 1403, 12, 30, "3/20/2025");
    row("Persian 1 Farvardin 1404", CalendarSystem::Persian, 1404, 1, 1, "3/21/2025");
    row("the last Gregorian day", CalendarSystem::Gregorian, 9999, 12, 31, "12/31/9999");
}

void LibraryTest::calendarDays()
{
    QFETCH(int, system);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, gregorian);

    const spanwright::CalendarDay written{static_cast<spanwright::CalendarSystem>(system), year, month, day};
    const spanwright::Day number = spanwright::dayOf(written);
    QCOMPARE(number.number(), dayOf(gregorian.toUtf8()).number());
    QVERIFY(spanwright::calendarDayOf(written.system, number) == written);
    // The next day is one later in the count and another day of the calendar.
    const spanwright::Day next = number + 1;
    QCOMPARE(next - number, 1LL);
    QVERIFY(!(spanwright::calendarDayOf(written.system, next) == written));
    QCOMPARE(spanwright::dayOf(spanwright::calendarDayOf(written.system, next)).number(), number.number() + 1);
}

void LibraryTest::problemsAsValues_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<spanwright::ProblemKind>("kind");
    QTest::addColumn<QString>("quoted"); // the text the message must quote

    using Kind = spanwright::ProblemKind;
    QTest::newRow("not a date") << "span 5/17/1990x 1/1/2000" << Kind::NotRead << "5/17/1990x";
    QTest::newRow("end before begin") << "span 1/1/2000 1/1/1990" << Kind::NoAnswer << "";
    QTest::newRow("not an age") << "born 1/1/1900 sixtyish" << Kind::NotRead << "sixtyish";
    QTest::newRow("unbounded days") << "days bef.1850 bef.1860" << Kind::NoAnswer << "";
    QTest::newRow("not a switch") << "switch XX" << Kind::NotRead << "XX";
    QTest::newRow("no birth date fits both records")
        << "narrow 6/1/1851:30 6/1/1861:50" << Kind::NoAnswer << "no birth date fits every record";
    QTest::newRow("a record's age not read") << "narrow 6/1/1851:30 6/1/1861:fiftyish" << Kind::NotRead << "fiftyish";
}

void LibraryTest::problemsAsValues()
{
    QFETCH(QString, question);
    QFETCH(spanwright::ProblemKind, kind);
    QFETCH(QString, quoted);

    const QStringList words = question.split(' ');
    const std::string first = words.value(1).replace('.', ". ").toStdString();
    const std::string second = words.value(2).replace('.', ". ").toStdString();
    const auto problemOf = [](const auto& result) {
        return result ? std::nullopt : std::optional<spanwright::Problem>(result.problem());
    };
    std::optional<spanwright::Problem> problem;
    if (words[0] == "span")
        problem = problemOf(spanwright::span(first, second));
    else if (words[0] == "born")
        problem = problemOf(spanwright::bornWithin(first, second));
    else if (words[0] == "days")
        problem = problemOf(spanwright::days(first, second));
    else if (words[0] == "narrow")
        problem = problemOf(spanwright::narrow({first, second}));
    else
        problem = problemOf(spanwright::calendarSwitchDay(first));
    QVERIFY(problem);
    QCOMPARE(problem->kind, kind);
    QVERIFY(!problem->message.empty());
    if (!quoted.isEmpty())
        QVERIFY2(problem->message.find(quoted.toStdString()) != std::string::npos, problem->message.c_str());
    // The library's messages are for any program: none names one.
    QVERIFY2(problem->message.find("spanwright") == std::string::npos, problem->message.c_str());
    // A problem is a value: a copy compares equal, another kind does not.
    spanwright::Problem other = *problem;
    QVERIFY(other == *problem);
    using Kind = spanwright::ProblemKind;
    other.kind = kind == Kind::NotRead ? Kind::NoAnswer : Kind::NotRead;
    QVERIFY(other != *problem);
}

QTEST_APPLESS_MAIN(LibraryTest)
#include "tst_library.moc"
