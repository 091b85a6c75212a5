// Tests of stated ages and of the exact dates that give an age: the age
// reader by table, the searches against a brute-force scan of the calendar.
// QtTest serves only as the runner.

#include "resultcheck.h"
#include "reading/age.h"
#include "ages/agesearch.h"
#include "ages/birthdayarithmetic.h"
#include "calendars/calendardate.h"
#include "reading/datereader.h"
#include "datetext.h"
#include "windowspan.h"
#include "calendars/juliancalendar.h"
#include "ages/spancalendar.h"

#include <QTest>

#include <random>

using namespace spanwright;

namespace {

// Where a span stands against an age, counted here without the engine's own
// comparison: the years and months of the age may hold more than 11 months.
int orderOfSpan(const YearsMonthsDays& span, const Age& age)
{
    const long long spanMonths = span.years * 12 + span.months;
    const long long ageMonths = age.years * 12 + age.months;
    if (spanMonths != ageMonths)
        return spanMonths < ageMonths ? -1 : 1;
    if (span.days != age.days)
        return span.days < age.days ? -1 : 1;
    return 0;
}

// Every date of the scan window whose span gives age exactly, and the
// nearest dates on each side, found by looking at each day in turn.
struct Scan
{
    std::vector<long long> days;
    std::optional<long long> before, after;
};

// born: dates B in [low, fixed] with the span B -> fixed; otherwise dates E
// in [fixed, high] with the span fixed -> E. "before" is the latest day
// earlier than the matches (or where they would be) whose span is on the
// far side of the age, "after" the earliest day later than them.
Scan scan(bool born, long long fixed, long long low, long long high, const Age& least, const Age& greatest)
{
    Scan result;
    const CalendarDate fixedDate = dateOf(Day(fixed));
    for (long long day = low; day <= high; ++day) {
        const CalendarDate date = dateOf(Day(day));
        const YearsMonthsDays span = born ? spanBetween(date, fixedDate) : spanBetween(fixedDate, date);
        const int order = (orderOfSpan(span, least) < 0 ? -1 : orderOfSpan(span, greatest) > 0 ? 1 : 0)
            * (born ? -1 : 1);
        if (order == 0)
            result.days.push_back(day);
        else if (order < 0)
            result.before = day;
        else if (!result.after)
            result.after = day;
    }
    return result;
}

// The same run as the scan of [low, high] found, and the same nearest dates
// where the scan saw them (inside its ends).
bool matchesScan(const AgeMatches& found, const Scan& expected, long long low, long long high)
{
    if (found.count != static_cast<long long>(expected.days.size()))
        return false;
    if (found.count > 0
        && (found.firstDay != Day(expected.days.front()) || found.firstDay + (found.count - 1) != Day(expected.days.back())))
        return false;
    if (expected.before && *expected.before > low
        && !(found.before && dayOf(found.before->date).number() == *expected.before))
        return false;
    return !(expected.after && *expected.after < high
             && !(found.after && dayOf(found.after->date).number() == *expected.after));
}

CalendarDate randomDate(std::mt19937_64& random)
{
    // Leap and century years, and month ends, come up often.
    static const long long years[] = {1, 2, 4, 100, 400, 1600, 1700, 1800, 1900, 2000, 2100, 2400};
    std::uniform_int_distribution<int> pick(0, 3);
    const long long year = pick(random) == 0
        ? years[std::uniform_int_distribution<size_t>(0, std::size(years) - 1)(random)]
        : std::uniform_int_distribution<long long>(1, 2500)(random);
    const int month = std::uniform_int_distribution<int>(1, 12)(random);
    const int length = static_cast<int>(dateFieldsOf({year, month, 1}).Max_Days);
    const int day = pick(random) == 0 ? length - std::uniform_int_distribution<int>(0, 2)(random)
                                      : std::uniform_int_distribution<int>(1, length)(random);
    return {year, month, day};
}

QString ageString(const Age& age)
{
    return QStringLiteral("%1y%2m%3d").arg(age.years).arg(age.months).arg(age.days);
}

// "39y0m0d: 39y0m0d to 39y11m30d, about", or "0y0m21d: 21 to 27 days".
QString meaningText(const AgeReading& reading)
{
    QString text = ageString(reading.age) + ": ";
    if (reading.counting == AgeCounting::ElapsedDays)
        text += QStringLiteral("%1 to %2 days").arg(reading.least.days).arg(reading.greatest.days);
    else
        text += ageString(reading.least) + " to " + ageString(reading.greatest);
    if (reading.about)
        text += ", about";
    return text;
}

QString text(const CalendarDate& date)
{
    return QString::fromStdString(calendarDateText(date));
}

} // namespace

class TestAgeSearch : public QObject
{
    Q_OBJECT

private slots:
    void readAge_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qlonglong>("years");
        QTest::addColumn<qlonglong>("months");
        QTest::addColumn<qlonglong>("days");
        const auto age = [](const char* name, const char* text, qlonglong y, qlonglong m, qlonglong d) {
            QTest::newRow(name) << QByteArray(text) << true << y << m << d;
        };
        const auto refused = [](const char* name, const char* text) {
            QTest::newRow(name) << QByteArray(text) << false << 0LL << 0LL << 0LL;
        };
        age("worded entry", "39 Year(s), 9 month(s), 19 day(s)", 39, 9, 19);
        age("letters", "39y 9m 19d", 39, 9, 19);
        age("letters joined", "39y9m19d", 39, 9, 19);
        age("words", "39 years, 9 months, 19 days", 39, 9, 19);
        age("abbreviations", "39 yrs 9 mos 19 ds", 39, 9, 19);
        age("abbreviations with periods", "39 yrs. 9 mos. 19 ds.", 39, 9, 19);
        age("aged", "aged 79 years 9 months 29 days", 79, 9, 29);
        age("upper case and and", "AGED 1 YEAR AND 2 DAYS", 1, 0, 2);
        age("years only", "79 years", 79, 0, 0);
        age("days only", "10 days", 0, 0, 10);
        age("parts in another order", "3 days, 2 months", 0, 2, 3);
        age("lone number is years", "aged 79", 79, 0, 0);
        age("slash entry", "9/19/39", 39, 9, 19);
        age("dash entry", "9-19-39", 39, 9, 19);
        age("dot entry", "9.19.39", 39, 9, 19);
        age("zero", "0/0/0", 0, 0, 0);
        age("blanks around", "  5y  ", 5, 0, 0);
        age("no-break space before the unit", "1\xC2\xA0year", 1, 0, 0);
        refused("empty", "");
        refused("aged alone", "aged");
        refused("fraction", "39.5 years");
        refused("comma fraction", "39,5 years");
        refused("fraction alone", "1.5");
        refused("negative", "-3 years");
        refused("unknown unit", "3 fortnights");
        refused("years twice", "3 years 4 years");
        refused("two bare numbers", "3 4");
        refused("words only", "about forty odd");
        refused("too large", "100000000 years");
        refused("numeric with two parts", "9/19");
        refused("numeric with four parts", "9/19/39/1");
        refused("numeric with an empty part", "9//39");
        refused("mixed separators", "9/19-39");
    }

    void readAge()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        const Result<AgeReading> reading = readAgeText(std::string_view(text.constData(), size_t(text.size())));
        QCOMPARE(reading.ok(), ok);
        QVERIFY(ok || (reading.problem().kind == ProblemKind::NotRead && !reading.problem().message.empty()));
        if (ok) {
            QFETCH(qlonglong, years);
            QFETCH(qlonglong, months);
            QFETCH(qlonglong, days);
            QCOMPARE(reading->age.years, years);
            QCOMPARE(reading->age.months, months);
            QCOMPARE(reading->age.days, days);
        }
    }

    // What each wording means: the exact reading (unstated units 0), the
    // least and greatest ages meant, elapsed days or span parts, about.
    void ageMeaning_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("meaning");
        const auto row = [](const char* text, const char* meaning) {
            QTest::newRow(text) << QByteArray(text) << QString(meaning);
        };
        const auto refused = [](const char* text) { QTest::newRow(text) << QByteArray(text) << QString(); };
        row("Aged 61 Y's, 4 M's & 2 days", "61y4m2d: 61y4m2d to 61y4m2d");
        row("64 Ys. 2 Mo. 9 Ds.", "64y2m9d: 64y2m9d to 64y2m9d");
        row("61 y'rs 4 mos. 2 d's", "61y4m2d: 61y4m2d to 61y4m2d");
        row("70 yeares", "70y0m0d: 70y0m0d to 70y11m30d");
        row("\xC3\x86t. 58.", "58y0m0d: 58y0m0d to 58y11m30d");
        row("\xC3\x86. 58", "58y0m0d: 58y0m0d to 58y11m30d");
        row("Aet 47", "47y0m0d: 47y0m0d to 47y11m30d");
        row("AEtat. 81", "81y0m0d: 81y0m0d to 81y11m30d");
        row("aetatis suae 45", "45y0m0d: 45y0m0d to 45y11m30d");
        row("at the age of 40", "40y0m0d: 40y0m0d to 40y11m30d");
        row("Age: 40", "40y0m0d: 40y0m0d to 40y11m30d");
        row("in ye 33d year of her Age", "32y0m0d: 32y0m0d to 32y11m30d");
        row("in the 33 year of his age", "32y0m0d: 32y0m0d to 32y11m30d");
        row("in the 33rd year", "32y0m0d: 32y0m0d to 32y11m30d");
        row("in the 1st year of his age", "0y0m0d: 0y0m0d to 0y11m30d");
        row("in his thirty-third year of age.", "32y0m0d: 32y0m0d to 32y11m30d");
        row("in the twentieth year of her age", "19y0m0d: 19y0m0d to 19y11m30d");
        row("aged 19 ms", "0y19m0d: 0y19m0d to 0y19m30d");
        row("four months", "0y4m0d: 0y4m0d to 0y4m30d");
        row("sixty-two years", "62y0m0d: 62y0m0d to 62y11m30d");
        row("sixty two years", "62y0m0d: 62y0m0d to 62y11m30d");
        row("one hundred and two years", "102y0m0d: 102y0m0d to 102y11m30d");
        row("Aged about 40 Years.", "40y0m0d: 40y0m0d to 40y11m30d, about");
        row("abt. 40", "40y0m0d: 40y0m0d to 40y11m30d, about");
        row("Aged 27.", "27y0m0d: 27y0m0d to 27y11m30d");
        row("aged 31 [years] and 2 months", "31y2m0d: 31y2m0d to 31y2m30d");
        row("11 Years 2 Months", "11y2m0d: 11y2m0d to 11y2m30d");
        row("48 years and 3 days", "48y0m3d: 48y0m3d to 48y0m3d");
        row("2 years 3 months 12", "2y3m12d: 2y3m12d to 2y3m12d");
        row("2 years, 3 months, and 12 days", "2y3m12d: 2y3m12d to 2y3m12d");
        row("5 years old", "5y0m0d: 5y0m0d to 5y11m30d");
        row("1 month 2 weeks", "0y1m14d: 0y1m14d to 0y1m20d");
        row("5 w", "0y0m35d: 35 to 41 days");
        row("three weeks", "0y0m21d: 21 to 27 days");
        row("3w", "0y0m21d: 21 to 27 days");
        row("1 week 3 days", "0y0m10d: 10 to 10 days");
        row("45d", "0y0m45d: 45 to 45 days");
        row("9/19/39", "39y9m19d: 39y9m19d to 39y9m19d");
        row("aged 0/0/0", "0y0m0d: 0y0m0d to 0y0m0d");
        // Misreadings of the past, refused now.
        refused("79-9-29");
        refused("12/1/39");
        refused("5/31/39");
        refused("3 years 4");
        refused("4 years 3 days 12");
        refused("in the 0th year of his age");
        refused("in the 33 year");
        refused("2 years and");
        refused("3 weeks 3 wks");
        refused("about");
        refused("31 [years");
        refused("[years] 31");
        refused("sixty- years");
        refused("forty odd years");
        refused("Aged 27. years");
        refused("14285715 weeks");
    }

    void ageMeaning()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, meaning);
        const Result<AgeReading> reading = readAgeText(std::string_view(text.constData(), size_t(text.size())));
        QCOMPARE(reading.ok(), !meaning.isEmpty());
        if (reading) {
            QCOMPARE(meaningText(*reading), meaning);
            // The printed form reads back as the same age.
            const Result<AgeReading> again = readAgeText(ageReadingText(*reading));
            QVERIFY2(again.ok(), whyNot(again));
            QCOMPARE(meaningText(*again), meaning);
        }
    }

    // --exact: every unstated unit 0, counted as span parts.
    void exactReadings_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("years") << QByteArray("aged 39") << QString("39y0m0d: 39y0m0d to 39y0m0d");
        QTest::newRow("days alone") << QByteArray("45 days") << QString("0y0m45d: 0y0m45d to 0y0m45d");
        QTest::newRow("weeks") << QByteArray("3 weeks") << QString("0y0m21d: 0y0m21d to 0y0m21d");
    }

    void exactReadings()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, meaning);
        const AgeReading reading = exactReading(*readAgeText(text.constData()));
        QCOMPARE(meaningText(reading), meaning);
        QCOMPARE(meaningText(*readAgeText(ageReadingText(reading))), meaning);
    }

    void calendarDays_data()
    {
        QTest::addColumn<QByteArray>("begin");
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<qlonglong>("days");
        QTest::newRow("a century without 1900's leap day") << QByteArray("1/1/1900") << QByteArray("1/1/2000") << 36524LL;
        QTest::newRow("2000 is a leap year") << QByteArray("2/28/2000") << QByteArray("3/1/2000") << 2LL;
        QTest::newRow("1900 is not") << QByteArray("2/28/1900") << QByteArray("3/1/1900") << 1LL;
        QTest::newRow("from the first day") << QByteArray("1/1/1") << QByteArray("1/1/401") << 146097LL;
        QTest::newRow("backwards") << QByteArray("3/1/1990") << QByteArray("2/28/1990") << -1LL;
    }

    void calendarDays()
    {
        QFETCH(QByteArray, begin);
        QFETCH(QByteArray, end);
        QFETCH(qlonglong, days);
        DateFields b, e;
        QVERIFY(readDateText(begin.constData(), b) && readDateText(end.constData(), e));
        QCOMPARE(dayOf(*calendarDateOf(e)).number() - dayOf(*calendarDateOf(b)).number(), days);
    }

    void notCalendarDates_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("fraction of a day") << QByteArray("5/5.5/1990");
        QTest::newRow("day 0") << QByteArray("5/0/1990");
        QTest::newRow("negative year") << QByteArray("5/1/-5");
        QTest::newRow("year past the last") << QByteArray("5/1/1000000");
    }

    void notCalendarDates()
    {
        QFETCH(QByteArray, text);
        DateFields fields;
        QVERIFY(readDateText(text.constData(), fields));
        QVERIFY(!calendarDateOf(fields));
    }

    void dayNumbersRoundTrip()
    {
        for (long long day = firstCalendarDay().number(); day <= firstCalendarDay().number() + 800; ++day)
            QCOMPARE(dayOf(dateOf(Day(day))).number(), day);
        for (long long day = lastCalendarDay().number() - 800; day <= lastCalendarDay().number(); ++day)
            QCOMPARE(dayOf(dateOf(Day(day))).number(), day);
        QCOMPARE(text(dateOf(lastCalendarDay())), QStringLiteral("12/31/999999"));
        QCOMPARE(text(dateOf(firstCalendarDay())), QStringLiteral("1/1/0001"));
    }

    // Every day of a range goes to a date that exists and back to itself
    // (dayOf counts by whole eras, dateOf within its reach by
    // another form): stepping by a prime from 9999 BC to past the last
    // calendar year, and every day around year 0, the reform and the ends
    // of that other form's reach.
    void dayNumbersRoundTripWidely_data()
    {
        QTest::addColumn<long long>("first");
        QTest::addColumn<long long>("last");
        QTest::addColumn<long long>("step");
        const long long yearZero = dayOf({0, 1, 1}).number();
        const long long reform = dayOf({1582, 1, 1}).number();
        const long long reachStart = -(306 + 146097LL * 82);
        const long long reachEnd = (1LL << 30) - 1 + reachStart;
        QTest::newRow("9999 BC to the last year by 7919 days") << dayOf({-9998, 1, 1}).number() << lastCalendarDay().number() << 7919LL;
        QTest::newRow("every day of 1582 to 1584") << reform << dayOf({1584, 12, 31}).number() << 1LL;
        QTest::newRow("every day of 2 BC to AD 2") << yearZero - 366 << yearZero + 731 << 1LL;
        QTest::newRow("every day of 9999 BC") << dayOf({-9998, 1, 1}).number() << dayOf({-9998, 12, 31}).number() << 1LL;
        QTest::newRow("every day around the start of the reach") << reachStart - 800 << reachStart + 800 << 1LL;
        QTest::newRow("every day around the end of the reach") << reachEnd - 800 << reachEnd + 800 << 1LL;
    }

    void dayNumbersRoundTripWidely()
    {
        QFETCH(long long, first);
        QFETCH(long long, last);
        QFETCH(long long, step);
        for (long long day = first; day <= last; day += step) {
            const CalendarDate date = dateOf(Day(day));
            if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > daysInMonth(date.month, date.year)
                || dayOf(date).number() != day)
                QFAIL(qPrintable(QStringLiteral("day %1 gave %2/%3/%4").arg(day).arg(date.month).arg(date.day).arg(date.year)));
        }
    }

    // The searches give exactly the dates that a scan of every day near the
    // answer finds, and the same nearest dates, for ages that dates reach and
    // ages that none reaches.
    void searchesMatchAScan()
    {
        std::mt19937_64 random(20261209);
        constexpr int Cases = 3000;
        constexpr long long ScanMargin = 100; // days beyond the estimate
        for (int i = 0; i < Cases; ++i) {
            const bool born = i % 2 == 0;
            const CalendarDate fixed = randomDate(random);
            Age age;
            if (i % 3 == 0) {
                // Any age, mostly one that no date gives.
                age = {std::uniform_int_distribution<long long>(0, 80)(random),
                       std::uniform_int_distribution<long long>(0, 11)(random),
                       std::uniform_int_distribution<long long>(0, 31)(random)};
            } else {
                const CalendarDate other = randomDate(random);
                const bool inOrder = born ? dayOf(other).number() <= dayOf(fixed).number()
                                          : dayOf(fixed).number() <= dayOf(other).number();
                if (!inOrder)
                    continue;
                age = born ? spanBetween(other, fixed) : spanBetween(fixed, other);
            }
            const long long fixedDay = dayOf(fixed).number();
            // The mean Gregorian month is 146097 / 4800 days.
            const long long months = age.years * 12 + age.months;
            const long long estimate = fixedDay + (born ? -1 : 1) * (months * 146097 / 4800 + age.days);
            const long long low = std::max({estimate - ScanMargin, born ? earliestReadDay().number() : fixedDay});
            const long long high = std::min({estimate + ScanMargin, born ? fixedDay : latestReadDay().number()});
            const Scan expected = scan(born, fixedDay, low, high, age, age);
            const AgeMatches found = born ? beginDatesFor(fixed, age) : endDatesFor(fixed, age);

            const QString where = QStringLiteral("%1 %2 %3y %4m %5d")
                                      .arg(born ? "born" : "died", text(fixed))
                                      .arg(age.years).arg(age.months).arg(age.days);
            if (!matchesScan(found, expected, low, high))
                QFAIL(qPrintable(where));
            if (found.before)
                QVERIFY2(orderOfSpan(found.before->span, age) != 0, qPrintable(where));
            if (found.after)
                QVERIFY2(orderOfSpan(found.after->span, age) != 0, qPrintable(where));
        }
    }

    // The searches for an age precise to years, months or weeks give
    // exactly the dates a scan of every day near the answer finds.
    void rangeSearchesMatchAScan()
    {
        std::mt19937_64 random(20261210);
        constexpr int Cases = 1500;
        constexpr long long ScanMargin = 100;
        for (int i = 0; i < Cases; ++i) {
            const bool born = i % 2 == 0;
            const CalendarDate fixed = randomDate(random);
            const Age least{std::uniform_int_distribution<long long>(0, 80)(random),
                            std::uniform_int_distribution<long long>(0, 13)(random),
                            std::uniform_int_distribution<long long>(0, 30)(random)};
            Age greatest = least;
            switch (i % 3) {
            case 0: greatest.months += 11; greatest.days = 30; break; // years
            case 1: greatest.days = 30; break;                         // months
            default: greatest.days = std::min(30LL, least.days + 6);   // weeks
            }
            const long long fixedDay = dayOf(fixed).number();
            const auto distance = [](const Age& age) { return (age.years * 12 + age.months) * 146097 / 4800 + age.days; };
            const long long low = born ? std::max(earliestReadDay().number(), fixedDay - distance(greatest) - ScanMargin)
                                       : fixedDay + distance(least) - ScanMargin;
            const long long high = born ? fixedDay - distance(least) + ScanMargin
                                        : std::min(latestReadDay().number(), fixedDay + distance(greatest) + ScanMargin);
            const long long scanLow = std::max(low, born ? earliestReadDay().number() : fixedDay);
            const long long scanHigh = std::min(high, born ? fixedDay : latestReadDay().number());
            const Scan expected = scan(born, fixedDay, scanLow, scanHigh, least, greatest);
            const AgeMatches found = born ? beginDatesWithin(fixed, least, greatest) : endDatesWithin(fixed, least, greatest);
            const QString where = QStringLiteral("%1 %2 %3y %4m %5d to %6m %7d")
                                      .arg(born ? "born" : "died", text(fixed))
                                      .arg(least.years).arg(least.months).arg(least.days)
                                      .arg(greatest.months).arg(greatest.days);
            if (!matchesScan(found, expected, scanLow, scanHigh))
                QFAIL(qPrintable(where));
        }
    }

    // Ages of Julian dates under a switch, where a span that reaches the
    // switch is counted in the Gregorian calendar: the searches give the
    // dates a scan of every day finds, across 29 February 1700 and the
    // switch of 1752.
    void julianSearchesMatchAScan()
    {
        const Day switchDay = dayOf({1752, 9, 14});
        for (const long long year : {1699LL, 1700LL, 1751LL, 1752LL}) {
            for (Day fixed = julianDayOf({year, 1, 1}); fixed < julianDayOf({year + 1, 1, 1}); fixed += 5) {
                const SpanCalendar calendar = ageCalendarFor(CalendarSystem::Julian, fixed, switchDay);
                for (const Age& age : {Age{1, 0, 0}, Age{0, 11, 30}, Age{1, 6, 15}, Age{0, 1, 1}}) {
                    for (const bool born : {true, false}) {
                        Day first;
                        long long count = 0;
                        for (Day day = fixed - 800; day <= fixed + 800; ++day) {
                            if ((born ? day > fixed : day < fixed)
                                || compareAge(born ? calendar.span(day, fixed) : calendar.span(fixed, day),
                                              age) != 0)
                                continue;
                            if (count == 0)
                                first = day;
                            ++count;
                        }
                        const AgeMatches found = born ? beginDatesWithin(fixed, age, age, calendar)
                                                      : endDatesWithin(fixed, age, age, calendar);
                        const QString where = QStringLiteral("%1 %2 %3y %4m %5d")
                                                  .arg(born ? "born" : "died")
                                                  .arg(fixed.number()).arg(age.years).arg(age.months).arg(age.days);
                        QVERIFY2(found.count == count, qPrintable(where));
                        if (count > 0)
                            QVERIFY2(found.firstDay == first, qPrintable(where));
                    }
                }
            }
        }
    }

    // The dates an age text allows, by its precision and counting.
    void meantDates_data()
    {
        QTest::addColumn<bool>("born");
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<QByteArray>("age");
        QTest::addColumn<QString>("dates");
        const auto row = [](const char* name, bool born, const char* date, const char* age, const char* dates) {
            QTest::newRow(name) << born << QByteArray(date) << QByteArray(age) << QString(dates);
        };
        row("aged 39: a year of birth dates", true, "6/4/1871", "Aged 39", "6/5/1831 to 6/4/1832 (366)");
        row("11 years 2 months: a month", true, "6/4/1871", "11 Years 2 Months", "3/5/1860 to 4/4/1860 (31)");
        row("years and days are exact", true, "6/4/1871", "48 years and 3 days", "6/1/1823 to 6/1/1823 (1)");
        row("in the 33rd year", true, "6/4/1871", "in ye 33d year of her Age", "6/5/1838 to 6/4/1839 (365)");
        row("days that have passed", true, "3/15/1990", "45 days", "1/29/1990 to 1/29/1990 (1)");
        row("three weeks", true, "3/15/1990", "three weeks", "2/16/1990 to 2/22/1990 (7)");
        row("end dates for a year", false, "6/5/1831", "aged 39", "6/5/1870 to 6/4/1871 (365)");
        row("end dates in days", false, "1/31/1990", "30d", "3/2/1990 to 3/2/1990 (1)");
        row("days before AD 1", true, "1/10/1", "3 weeks", "12/14/0001 BC to 12/20/0001 BC (7)");
        row("years past the last day", false, "1/1/9999", "aged 1", "none");
    }

    void meantDates()
    {
        QFETCH(bool, born);
        QFETCH(QByteArray, date);
        QFETCH(QByteArray, age);
        QFETCH(QString, dates);
        DateFields fields;
        QVERIFY(readDateText(date.constData(), fields));
        const Result<AgeReading> reading = readAgeText(age.constData());
        QVERIFY2(reading.ok(), whyNot(reading));
        const AgeMatches matches = born ? beginDatesMeant(*calendarDateOf(fields), *reading)
                                        : endDatesMeant(*calendarDateOf(fields), *reading);
        const QString found = matches.empty()
            ? QStringLiteral("none")
            : QStringLiteral("%1 to %2 (%3)").arg(text(matches.first()), text(matches.last())).arg(matches.count);
        QCOMPARE(found, dates);
    }

    // The birthday arithmetic against a scan of every day: the earliest
    // begin date whose span to an end date is at most an age, and the latest
    // whose span is at least one, for a month of end dates around leap days,
    // month ends and the century years the two calendars disagree on.
    void birthdayArithmetic_data()
    {
        QTest::addColumn<bool>("julian");
        QTest::addColumn<qlonglong>("year");
        QTest::addColumn<int>("month");
        QTest::newRow("29 February 2000") << false << 2000LL << 2;
        QTest::newRow("March 1900, no leap day") << false << 1900LL << 3;
        QTest::newRow("January, a year borrowed") << false << 1850LL << 1;
        QTest::newRow("1 BC, a leap year") << false << 0LL << 3;
        QTest::newRow("December 9999") << false << 9999LL << 12;
        QTest::newRow("Julian 29 February 1700") << true << 1700LL << 2;
        QTest::newRow("Julian March 1800") << true << 1800LL << 3;
        QTest::newRow("Julian March 1900") << true << 1900LL << 3;
        QTest::newRow("Julian 5 BC") << true << -4LL << 3;
    }

    void birthdayArithmetic()
    {
        QFETCH(bool, julian);
        QFETCH(qlonglong, year);
        QFETCH(int, month);
        const CalendarSystem system = julian ? CalendarSystem::Julian : CalendarSystem::Gregorian;
        const auto dayOf = [&](const CalendarDate& date) {
            return julian ? julianDayOf(date).number() : spanwright::dayOf(date).number();
        };
        const auto dateOf = [&](long long day) { return julian ? julianDateOf(Day(day)) : spanwright::dateOf(Day(day)); };
        const long long monthStart = dayOf({year, month, 1});
        const Age ages[] = {{0, 0, 0}, {0, 0, 1}, {0, 0, 29}, {0, 0, 31}, {0, 1, 0}, {0, 1, 1}, {0, 1, 30},
                            {0, 2, 28}, {0, 11, 30}, {1, 0, 0}, {1, 0, 30}, {4, 0, 0}, {39, 11, 30}, {0, 0, 45},
                            {100, 0, 0}};
        for (long long end = monthStart - 3; end < monthStart + 34; ++end) {
            const CalendarDate endDate = dateOf(end);
            if (endDate.year > LastCalendarYear)
                break;
            for (const Age& age : ages) {
                const long long distance = (age.years * 12 + age.months) * 31 + age.days + 70;
                std::optional<long long> earliest;
                std::optional<long long> latest;
                for (long long day = end - distance; day <= end + 40; ++day) {
                    const int order = orderOfSpan(spanBetween(dateOf(day), endDate, system), age);
                    if (order <= 0 && !earliest)
                        earliest = day;
                    if (order >= 0)
                        latest = day;
                }
                const QString where = QStringLiteral("%1 %2y %3m %4d").arg(text(endDate)).arg(age.years)
                                          .arg(age.months).arg(age.days);
                QVERIFY2(earliest && latest, qPrintable(where));
                QVERIFY2(dayOf(earliestBeginAtMost(endDate, age, system)) == *earliest, qPrintable(where));
                QVERIFY2(dayOf(latestBeginAtLeast(endDate, age, system)) == *latest, qPrintable(where));
            }
        }
    }

    // The ends of a birth window are the ends of the run the search finds,
    // in the Gregorian and the Julian calendar and under a switch, for every
    // kind of age: years alone, months, days that have passed, open ages
    // (a least with a greatest a year above it), exact spans.
    void beginDayEndsMatchTheSearch_data()
    {
        QTest::addColumn<int>("calendar"); // 0 Gregorian, 1 Julian, 2 Julian to the 1752 switch
        QTest::addColumn<long long>("from");
        QTest::newRow("2000, a leap year") << 0 << dayOf({1999, 12, 1}).number();
        QTest::newRow("1900") << 0 << dayOf({1900, 1, 15}).number();
        QTest::newRow("the first days written") << 0 << earliestReadDay().number();
        QTest::newRow("9999") << 0 << dayOf({9998, 12, 20}).number();
        QTest::newRow("Julian 1700") << 1 << julianDayOf({1700, 1, 10}).number();
        QTest::newRow("Julian B.C.") << 1 << julianDayOf({-40, 1, 10}).number();
        QTest::newRow("the switch of 1752") << 2 << julianDayOf({1752, 1, 20}).number();
    }

    void beginDayEndsMatchTheSearch()
    {
        QFETCH(int, calendar);
        QFETCH(long long, from);
        std::vector<AgeReading> readings;
        for (const char* text : {"aged 39", "1 month", "1 month 1 day", "11 years 2 months", "48 years and 3 days",
                                 "3 weeks", "45 days", "0 days", "1 year", "9 years 11 months 30 days"}) {
            readings.push_back(*readAgeText(text));
            readings.push_back(exactReading(readings.back()));
        }
        AgeReading open = *readAgeText("21 years");
        open.greatest = Age{open.least.years + 1, 0, 0};
        readings.push_back(open);
        const Day switchDay = dayOf({1752, 9, 14});
        for (Day end(from); end < Day(from) + 400; end += 3) {
            const SpanCalendar spans = calendar == 0 ? SpanCalendar(CalendarSystem::Gregorian)
                : calendar == 1                     ? SpanCalendar(CalendarSystem::Julian)
                                                    : ageCalendarFor(CalendarSystem::Julian, end, switchDay);
            for (const AgeReading& reading : readings) {
                const AgeMatches run = beginDatesMeant(end, reading, spans);
                const std::optional<Day> first = firstBeginDayMeant(end, reading, spans);
                const std::optional<Day> last = lastBeginDayMeant(end, reading, spans);
                const QString where = QStringLiteral("day %1, %2y %3m %4d to %5y %6m %7d").arg(end.number())
                                          .arg(reading.least.years).arg(reading.least.months).arg(reading.least.days)
                                          .arg(reading.greatest.years).arg(reading.greatest.months)
                                          .arg(reading.greatest.days);
                QVERIFY2(first.has_value() == !run.empty() && last.has_value() == !run.empty(), qPrintable(where));
                if (!run.empty()) {
                    QVERIFY2(*first == run.firstDay, qPrintable(where));
                    QVERIFY2(*last == run.firstDay + (run.count - 1), qPrintable(where));
                }
            }
        }
    }

    void searchCases_data()
    {
        QTest::addColumn<bool>("born");
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<QByteArray>("age");
        QTest::addColumn<QString>("first");
        QTest::addColumn<qlonglong>("count");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, bool born, const char* date, const char* age, const char* first,
                            qlonglong count, const char* before, const char* after) {
            QTest::newRow(name) << born << QByteArray(date) << QByteArray(age) << QString(first) << count
                                << QString(before) << QString(after);
        };
        row("four birth dates", true, "3/1/1990", "1m 1d", "1/28/1990", 4, "1/27/1990", "2/1/1990");
        row("tombstone", true, "8/3/1904", "79y 9m 29d", "10/5/1824", 1, "10/4/1824", "10/6/1824");
        row("age of 0 days", true, "2/29/2000", "0d", "2/29/2000", 1, "2/28/2000", "");
        row("no end date a month after 1/31", false, "1/31/1990", "1m", "", 0, "2/28/1990", "3/1/1990");
        row("a year from 29 February", false, "2/29/2000", "1y", "", 0, "2/28/2001", "3/1/2001");
        row("14 months is 1 year 2 months", true, "3/15/1990", "14 months", "1/15/1989", 1, "1/14/1989", "1/16/1989");
        row("days no span reaches", true, "3/15/1990", "45 days", "", 0, "2/15/1990", "2/16/1990");
        row("a year before AD 1", true, "6/1/1", "1y", "6/1/0001 BC", 1, "5/31/0001 BC", "6/2/0001 BC");
        row("far before the first year", true, "6/1/2000", "99999999y", "", 0, "", "1/1/9999 BC");
        row("after the last year", false, "12/1/9999", "1y", "", 0, "12/31/9999", "");
    }

    void searchCases()
    {
        QFETCH(bool, born);
        QFETCH(QByteArray, date);
        QFETCH(QByteArray, age);
        QFETCH(QString, first);
        QFETCH(qlonglong, count);
        QFETCH(QString, before);
        QFETCH(QString, after);
        DateFields fields;
        QVERIFY(readDateText(date.constData(), fields));
        const Result<AgeReading> reading = readAgeText(age.constData());
        QVERIFY(reading);
        const AgeMatches matches = born ? beginDatesFor(*calendarDateOf(fields), reading->age)
                                        : endDatesFor(*calendarDateOf(fields), reading->age);
        QCOMPARE(matches.count, count);
        if (count > 0)
            QCOMPARE(text(matches.first()), first);
        QCOMPARE(matches.before ? text(matches.before->date) : QString(), before);
        QCOMPARE(matches.after ? text(matches.after->date) : QString(), after);
    }
};

QTEST_GUILESS_MAIN(TestAgeSearch)
#include "tst_agesearch.moc"
