// Tests of stated ages and of the exact dates that give an age: the age
// reader by table, the searches against a brute-force scan of the calendar.
// QtTest serves only as the runner.

#include "age.h"
#include "agesearch.h"
#include "calendardate.h"
#include "datetext.h"

#include <QTest>

#include <random>

namespace {

// Where a span stands against an age, counted here without the engine's own
// comparison: the years and months of the age may hold more than 11 months.
int orderOfSpan(const Span& span, const Age& age)
{
    const long long spanMonths = static_cast<long long>(span.Years) * 12 + static_cast<long long>(span.Months);
    const long long ageMonths = age.years * 12 + age.months;
    if (spanMonths != ageMonths)
        return spanMonths < ageMonths ? -1 : 1;
    if (span.Days != age.days)
        return span.Days < age.days ? -1 : 1;
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
Scan scan(bool born, long long fixed, long long low, long long high, const Age& age)
{
    Scan result;
    const CalendarDate fixedDate = dateOfDayNumber(fixed);
    for (long long day = low; day <= high; ++day) {
        const CalendarDate date = dateOfDayNumber(day);
        const Span span = born ? spanBetween(date, fixedDate) : spanBetween(fixedDate, date);
        const int order = orderOfSpan(span, age) * (born ? -1 : 1);
        if (order == 0)
            result.days.push_back(day);
        else if (order < 0)
            result.before = day;
        else if (!result.after)
            result.after = day;
    }
    return result;
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
        refused("unknown unit", "3 weeks");
        refused("years twice", "3 years 4 years");
        refused("two bare numbers", "3 4");
        refused("words only", "about forty");
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
        const AgeReading reading = readAgeText(std::string_view(text.constData(), size_t(text.size())));
        QCOMPARE(reading.ok, ok);
        QCOMPARE(reading.problem.empty(), ok);
        if (ok) {
            QFETCH(qlonglong, years);
            QFETCH(qlonglong, months);
            QFETCH(qlonglong, days);
            QCOMPARE(reading.age.years, years);
            QCOMPARE(reading.age.months, months);
            QCOMPARE(reading.age.days, days);
        }
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
        QCOMPARE(dayNumberOf(*calendarDateOf(e)) - dayNumberOf(*calendarDateOf(b)), days);
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
        for (long long day = firstCalendarDay(); day <= firstCalendarDay() + 800; ++day)
            QCOMPARE(dayNumberOf(dateOfDayNumber(day)), day);
        for (long long day = lastCalendarDay() - 800; day <= lastCalendarDay(); ++day)
            QCOMPARE(dayNumberOf(dateOfDayNumber(day)), day);
        QCOMPARE(text(dateOfDayNumber(lastCalendarDay())), QStringLiteral("12/31/999999"));
        QCOMPARE(text(dateOfDayNumber(firstCalendarDay())), QStringLiteral("1/1/0001"));
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
                const bool inOrder = born ? dayNumberOf(other) <= dayNumberOf(fixed)
                                          : dayNumberOf(fixed) <= dayNumberOf(other);
                if (!inOrder)
                    continue;
                age = ageOf(born ? spanBetween(other, fixed) : spanBetween(fixed, other));
            }
            const long long fixedDay = dayNumberOf(fixed);
            // The mean Gregorian month is 146097 / 4800 days.
            const long long months = age.years * 12 + age.months;
            const long long estimate = fixedDay + (born ? -1 : 1) * (months * 146097 / 4800 + age.days);
            const long long low = std::max({estimate - ScanMargin, born ? firstCalendarDay() : fixedDay});
            const long long high = std::min({estimate + ScanMargin, born ? fixedDay : lastCalendarDay()});
            const Scan expected = scan(born, fixedDay, low, high, age);
            const AgeMatches found = born ? beginDatesFor(fixed, age) : endDatesFor(fixed, age);

            const QString where = QStringLiteral("%1 %2 %3y %4m %5d")
                                      .arg(born ? "born" : "died", text(fixed))
                                      .arg(age.years).arg(age.months).arg(age.days);
            QVERIFY2(found.count == static_cast<long long>(expected.days.size()), qPrintable(where));
            if (found.count > 0) {
                QVERIFY2(found.firstDay == expected.days.front(), qPrintable(where));
                QVERIFY2(found.firstDay + found.count - 1 == expected.days.back(), qPrintable(where));
            }
            if (expected.before && *expected.before > low)
                QVERIFY2(found.before && dayNumberOf(found.before->date) == *expected.before, qPrintable(where));
            if (expected.after && *expected.after < high)
                QVERIFY2(found.after && dayNumberOf(found.after->date) == *expected.after, qPrintable(where));
            if (found.before)
                QVERIFY2(orderOfSpan(found.before->span, age) != 0, qPrintable(where));
            if (found.after)
                QVERIFY2(orderOfSpan(found.after->span, age) != 0, qPrintable(where));
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
        row("before the first year", true, "6/1/1", "1y", "", 0, "", "1/1/0001");
        row("far before the first year", true, "6/1/2000", "99999999y", "", 0, "", "1/1/0001");
        row("after the last year", false, "12/1/999999", "1y", "", 0, "12/31/999999", "");
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
        const AgeReading reading = readAgeText(age.constData());
        QVERIFY(reading.ok);
        const AgeMatches matches = born ? beginDatesFor(*calendarDateOf(fields), reading.age)
                                        : endDatesFor(*calendarDateOf(fields), reading.age);
        QCOMPARE(matches.count, count);
        if (count > 0)
            QCOMPARE(text(matches.first()), first);
        QCOMPARE(matches.before ? text(matches.before->date) : QString(), before);
        QCOMPARE(matches.after ? text(matches.after->date) : QString(), after);
    }
};

QTEST_GUILESS_MAIN(TestAgeSearch)
#include "tst_agesearch.moc"
