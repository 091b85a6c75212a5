// Tests of the dates and ages in the languages of registers: Latin, German,
// French, Dutch, Spanish, Italian, Portuguese, Danish, Norwegian, Swedish,
// Polish and Czech, read all at once, from one table per language; and the
// test that holds every table against every other. QtTest is the runner.

#include "resultcheck.h"
#include "reading/age.h"
#include "calendars/calendardate.h"
#include "reading/datereader.h"
#include "calendars/calendarwords.h"
#include "languages/languages.h"
#include "text/letters.h"
#include "text/romannumerals.h"
#include "languages/monthnames.h"

#include <QTest>

#include <string>
#include <string_view>

using namespace spanwright;

namespace {

std::string_view view(const QByteArray& text) { return {text.constData(), size_t(text.size())}; }

QByteArray isoText(std::optional<Day> day)
{
    if (!day)
        return "open";
    const CalendarDate date = dateOf(*day);
    return QByteArray::fromStdString(std::to_string(date.year) + "-" + std::to_string(date.month) + "-"
                                     + std::to_string(date.day));
}

QString ageText(const Age& age)
{
    return QString("%1y%2m%3d").arg(age.years).arg(age.months).arg(age.days);
}

// Two tables that read one spelling as two months, and one number word as
// two numbers with a unit word in common: what a careless new table brings.
const languages::LanguageTable& clashingTable(int marchIndex)
{
    static const languages::LanguageTable first{
        "Firstish", "f1", "", "", {"", "", "mars", "", "", "", "", "", "", "", "", ""}, {}, {},
        {"yr", "", "", "", "", "", "", "", "", "", "", ""}, {{3, "tres"}}};
    static const languages::LanguageTable second{
        "Secondish", "s2", "", "", {"", "", "", "mars", "", "", "", "", "", "", "", ""}, {}, {},
        {"", "yr", "", "", "", "", "", "", "", "", "", ""}, {{60, "tres"}}};
    return marchIndex == 0 ? first : second;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    // Real register forms of each language, and the day (or days) they are.
    void dates_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("earliest");
        QTest::addColumn<QByteArray>("latest");
        const auto row = [](const char* text, const char* earliest, const char* latest = nullptr) {
            QTest::newRow(text) << QByteArray(text) << QByteArray(earliest) << QByteArray(latest ? latest : earliest);
        };
        // Latin: genitive and ablative months, numbered months, Roman numerals.
        row("3 Martii 1750", "1750-3-3");
        row("xxij Martij 1566", "1566-3-22");
        row("die vij Junii MDCCL", "1750-6-7");
        row("die 15 Aprilis 1823", "1823-4-15");
        row("15 Aprilis anno 1823", "1823-4-15");
        row("Anno Domini 1750 die 3 Martii", "1750-3-3");
        row("12 7bris 1765", "1765-9-12");
        row("12 7bris. 1765", "1765-9-12");
        row("1 VIIIbris 1765", "1765-10-1");
        row("9 Xbris 1770", "1770-12-9");
        row("4 xbre 1770", "1770-12-4");
        row("3tia Maii 1750", "1750-5-3");
        row("21ma Januarii 1701", "1701-1-21");
        row("2da Februarii 1701", "1701-2-2");
        row("die iiij Octobris 1701", "1701-10-4");
        row("Septembris 1701", "1701-9-1", "1701-9-30");
        row("anno MDCCCXII", "1812-1-1", "1812-12-31");
        // German: ordinal points, fillers, old month names, umlauts or not.
        row("12. März 1850", "1850-3-12");
        row("12. Maerz 1850", "1850-3-12");
        row("12. MÄRZ 1850", "1850-3-12");
        row("den 7. Juni 1830", "1830-6-7");
        row("am 1. Oktober 1871", "1871-10-1");
        row("3. Jänner 1800", "1800-1-3");
        row("14. Hornung 1790", "1790-2-14");
        row("1. Brachet 1790", "1790-6-1");
        row("2. Christmond 1790", "1790-12-2");
        // French, Dutch, Spanish, Italian, Portuguese.
        row("le 3 mars 1750", "1750-3-3");
        row("1er août 1900", "1900-8-1");
        row("1er aout 1900", "1900-8-1");
        row("12 février 1850", "1850-2-12");
        row("12 FÉVRIER 1850", "1850-2-12");
        row("3 maart 1850", "1850-3-3");
        row("den 3 october 1850", "1850-10-3");
        row("3 de marzo de 1850", "1850-3-3");
        row("el 3 de setiembre de 1850", "1850-9-3");
        row("il 1° gennaio 1900", "1900-1-1");
        row("li 3 ottobre 1850", "1850-10-3");
        row("1º de maio de 1850", "1850-5-1");
        row("3 de março de 1850", "1850-3-3");
        // Danish, Norwegian, Swedish, Polish, Czech.
        row("3. marts 1850", "1850-3-3");
        row("den 12. desember 1890", "1890-12-12");
        row("den 12 maj 1890", "1890-5-12");
        row("3 marca 1850", "1850-3-3");
        row("12 września 1890", "1890-9-12");
        row("dnia 1 października 1890 roku", "1890-10-1");
        row("3. března 1850", "1850-3-3");
        row("5. července 1860", "1860-7-5");
        row("5. cervna 1860", "1860-6-5");
        // Endings, abbreviations and numerals the registers write.
        row("12ten März 1850", "1850-3-12");
        row("1sten Mai 1850", "1850-5-1");
        row("1ste mei 1850", "1850-5-1");
        row("2den Marts 1850", "1850-3-2");
        row("3die Marts 1850", "1850-3-3");
        row("23de maart 1850", "1850-3-23");
        row("30te April 1850", "1850-4-30");
        row("3:e maj 1850", "1850-5-3");
        row("1:sta maj 1850", "1850-5-1");
        row("3 Octbr. 1850", "1850-10-3");
        row("3 Decbr. 1850", "1850-12-3");
        row("3 Merz 1850", "1850-3-3");
        row("3 Jenner 1850", "1850-1-3");
        row("3 Oogst 1850", "1850-8-3");
        row("3 Meij 1850", "1850-5-3");
        row("3 Maert 1850", "1850-3-3");
        row("3 7bro 1850", "1850-9-3");
        row("3 Xbro 1850", "1850-12-3");
        row("3. máje 1850", "1850-5-3");
        row("vj Martii 1750", "1750-3-6");
        row("xxxj Martii 1750", "1750-3-31");
        row("3. X. 1850", "1850-10-3");
        row("a 15 días del mes de marzo de 1850", "1850-3-15");
        row("aos 3 dias do mês de março de 1850", "1850-3-3");
        row("dnia 3/15 marca 1870", "1870-3-15");
        row("3/15 marca 1870", "1870-3-15");
        // Russian, with the spellings before 1918.
        row("3 генваря 1850 года", "1850-1-3");
        row("12 сентября 1850 г.", "1850-9-12");
        row("1 апрѣля 1850", "1850-4-1");
        row("5 іюня 1850 года", "1850-6-5");
        row("3-го марта 1850", "1850-3-3");
        row("3 ГЕНВАРЯ 1850 ГОДА", "1850-1-3");
        // Hungarian, the year first.
        row("1850. március 3.", "1850-3-3");
        row("1850. június 24-én", "1850-6-24");
        row("1850. évi március hó 3. napján", "1850-3-3");
        // The old ecclesiastic months, written as one word: Mindszent hava is
        // October, though Mindszent (All Saints) is 1 November.
        row("1850. Boldogasszonyhava 3.", "1850-1-3");
        row("1850. Mindszenthava 1.", "1850-10-1");
        row("1850. Szentjakabhava 25-én", "1850-7-25");
        row("1850. esztendőben", "1850-1-1", "1850-12-31");
        // Finnish, Estonian, Icelandic.
        row("3. maaliskuuta 1850", "1850-3-3");
        row("24 päivänä kesäkuuta 1850", "1850-6-24");
        row("3. märtsil 1850", "1850-3-3");
        row("3. mars 1850", "1850-3-3");
        // Croatian, Slovenian (the old names), Slovak, Ukrainian.
        row("3. ožujka 1850. godine", "1850-3-3");
        row("12. studenoga 1850", "1850-11-12");
        row("3. svečana 1850", "1850-2-3");
        row("3. sušca 1850", "1850-3-3");
        row("3. vinotoka 1850", "1850-10-3");
        row("dňa 3. mája 1850", "1850-5-3");
        row("3 березня 1850 року", "1850-3-3");
        // Romanian (ș with a comma or a cedilla), Catalan, Lithuanian, Latvian.
        row("3 martie 1850", "1850-3-3");
        row("3 cuptor 1850", "1850-7-3");
        row("3 brumărel 1850", "1850-10-3");
        row("3 brumar 1850", "1850-11-3");
        row("3 florar 1850", "1850-5-3");
        row("3 de març de 1850", "1850-3-3");
        row("3 d'abril de 1850", "1850-4-3");
        row("3 de janer de 1850", "1850-1-3");
        row("3 de maitg de 1850", "1850-5-3");
        row("1850 m. kovo 3 d.", "1850-3-3");
        row("1850. gada 3. martā", "1850-3-3");
    }
    void dates()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, earliest);
        QFETCH(QByteArray, latest);
        const DateResult reading = readDate(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(isoText(reading->days.earliest), earliest);
        QCOMPARE(isoText(reading->days.latest), latest);
    }

    // Nothing is a month unless a table says so; no numeral is half read.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("because");
        QTest::newRow("no month anywhere") << QByteArray("12 Marzz 1850") << QByteArray("\"Marzz\" is not understood");
        QTest::newRow("five tens") << QByteArray("xxxxx Martii 1750") << QByteArray("\"xxxxx\" is not a Roman numeral");
        QTest::newRow("v twice") << QByteArray("vv Martii 1750") << QByteArray("\"vv\" is not a Roman numeral");
        QTest::newRow("j inside") << QByteArray("xjx Martii 1750") << QByteArray("\"xjx\" is not understood");
        QTest::newRow("past the month") << QByteArray("30 Hornung 1850") << QByteArray("day 30 is not in February");
        QTest::newRow("Roman past") << QByteArray("xxxij Aprilis 1750") << QByteArray("32 is not a day");
        QTest::newRow("1er only") << QByteArray("21er août 1900") << QByteArray("\"21er\" is not understood");
        QTest::newRow("Latin ending") << QByteArray("3da Maii 1750") << QByteArray("\"3da\" is not understood");
        QTest::newRow("de misplaced") << QByteArray("de 3 marzo 1850") << QByteArray("is out of place");
        QTest::newRow("two year marks") << QByteArray("12 May AD 1850 AD") << QByteArray("is out of place");
        QTest::newRow("genitive alone") << QByteArray("3 marca") << QByteArray("it has no year");
        QTest::newRow("French year in words") << QByteArray("l'an mil huit cent vingt") << QByteArray("\"mil\" is not understood");
        QTest::newRow("Mid is a word") << QByteArray("Mid 1850") << QByteArray("\"Mid\" is not understood");
        QTest::newRow("day in words") << QByteArray("huit mars 1850") << QByteArray("\"huit\" is a number in words");
        QTest::newRow("double day apart") << QByteArray("3/16 marca 1870") << QByteArray("is not one day written in the Julian and the Gregorian");
        QTest::newRow("feast day, not a month") << QByteArray("1850. Mindszent 1.") << QByteArray("\"Mindszent\" is not understood");
        QTest::newRow("Roman month past 12") << QByteArray("3. XIII. 1850") << QByteArray("it names no month");
    }
    void refusals()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, because);
        const DateResult reading = readDate(view(text));
        QVERIFY2(!reading.ok(), reading ? dateReadingText(*reading).c_str() : "");
        const std::string& problem = reading.problem().message;
        QVERIFY2(QByteArray::fromStdString(problem).contains(because), problem.c_str());
        QVERIFY2(problem.find("Latin, German, French") != std::string::npos, problem.c_str());
    }

    // Ages in the languages, precise to their smallest unit.
    void ages_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("least");
        QTest::addColumn<QString>("greatest");
        const auto row = [](const char* text, const char* least, const char* greatest) {
            QTest::newRow(text) << QByteArray(text) << QString(least) << QString(greatest);
        };
        row("45 ans", "45y0m0d", "45y11m30d");
        row("âgé de 45 ans", "45y0m0d", "45y11m30d");
        row("âgée de 45 ans 3 mois", "45y3m0d", "45y3m30d");
        row("quarante-cinq ans", "45y0m0d", "45y11m30d");
        row("soixante-douze ans", "72y0m0d", "72y11m30d");
        row("quatre-vingt-dix ans", "90y0m0d", "90y11m30d");
        row("soixante et onze ans", "71y0m0d", "71y11m30d");
        row("45 Jahre alt", "45y0m0d", "45y11m30d");
        row("im Alter von 45 Jahren", "45y0m0d", "45y11m30d");
        row("alt 45 J.", "45y0m0d", "45y11m30d");
        row("45 J. 3 M. 2 T.", "45y3m2d", "45y3m2d");
        row("zweiundsechzig Jahre", "62y0m0d", "62y11m30d");
        row("oud 45 jaren", "45y0m0d", "45y11m30d");
        row("vijfenveertig jaar", "45y0m0d", "45y11m30d");
        row("de 45 años de edad", "45y0m0d", "45y11m30d");
        row("cuarenta y cinco años", "45y0m0d", "45y11m30d");
        row("tres años", "3y0m0d", "3y11m30d");
        row("d'anni 45", "45y0m0d", "45y11m30d");
        row("quarantacinque anni", "45y0m0d", "45y11m30d");
        row("45 anos", "45y0m0d", "45y11m30d");
        row("45 år 3 måneder", "45y3m0d", "45y3m30d");
        row("tres år", "60y0m0d", "60y11m30d");
        row("femogfyrre år", "45y0m0d", "45y11m30d");
        row("fyrtiofem år", "45y0m0d", "45y11m30d");
        row("45 lat", "45y0m0d", "45y11m30d");
        row("czterdzieści pięć lat", "45y0m0d", "45y11m30d");
        row("45 let", "45y0m0d", "45y11m30d");
        row("pětačtyřicet let", "45y0m0d", "45y11m30d");
        row("annorum 45", "45y0m0d", "45y11m30d");
        row("aetatis suae 45", "45y0m0d", "45y11m30d");
        row("anno aetatis suae 45", "44y0m0d", "44y11m30d");
        row("annorum 45 mensium 3 dierum 12", "45y3m12d", "45y3m12d");
        row("annorum quadraginta quinque", "45y0m0d", "45y11m30d");
        row("mensium 3", "0y3m0d", "0y3m30d");
        // "and" between units and inside number words, in every language.
        row("annorum 2 et mensium 6", "2y6m0d", "2y6m30d");
        row("annos 2 et menses 6", "2y6m0d", "2y6m30d");
        row("de 2 años y 6 meses", "2y6m0d", "2y6m30d");
        row("oud 2 jaren en 6 maanden", "2y6m0d", "2y6m30d");
        row("âgé de 45 ans et 3 mois", "45y3m0d", "45y3m30d");
        row("2 Jahre und 6 Monate", "2y6m0d", "2y6m30d");
        row("1 Aar og 6 Maaneder", "1y6m0d", "1y6m30d");
        row("45 år och 3 månader", "45y3m0d", "45y3m30d");
        row("45 lat i 3 miesiące", "45y3m0d", "45y3m30d");
        row("45 let a 3 měsíce", "45y3m0d", "45y3m30d");
        row("zwei und sechzig Jahre", "62y0m0d", "62y11m30d");
        row("vijf en veertig jaar", "45y0m0d", "45y11m30d");
        // Accents left out, units before their number, Latin and German forms.
        row("age de 45 ans", "45y0m0d", "45y11m30d");
        row("agée de 45 ans", "45y0m0d", "45y11m30d");
        row("di anni 45", "45y0m0d", "45y11m30d");
        row("mający lat 45", "45y0m0d", "45y11m30d");
        row("stár 45 let", "45y0m0d", "45y11m30d");
        row("annos natus 45", "45y0m0d", "45y11m30d");
        row("aetatis lxx", "70y0m0d", "70y11m30d");
        row("im 45. Lebensjahr", "44y0m0d", "44y11m30d");
        row("1½ Jahr", "1y6m0d", "1y6m30d");
        // The new languages' ages.
        row("45 лет", "45y0m0d", "45y11m30d");
        row("сорок пять лѣтъ", "45y0m0d", "45y11m30d");
        row("2 года и 6 месяцев", "2y6m0d", "2y6m30d");
        row("45 éves", "45y0m0d", "45y11m30d");
        row("negyvenöt éves korában", "45y0m0d", "45y11m30d");
        row("életének 45. évében", "44y0m0d", "44y11m30d");
        row("45 vuotta ja 3 kuukautta", "45y3m0d", "45y3m30d");
        row("neljäkymmentäviisi vuotta", "45y0m0d", "45y11m30d");
        row("45 godina i 3 mjeseca", "45y3m0d", "45y3m30d");
        row("petinštirideset let", "45y0m0d", "45y11m30d");
        row("45 rokov", "45y0m0d", "45y11m30d");
        row("45 років", "45y0m0d", "45y11m30d");
        row("45 de ani", "45y0m0d", "45y11m30d");
        row("patruzeci și cinci de ani", "45y0m0d", "45y11m30d");
        row("quaranta-cinc anys", "45y0m0d", "45y11m30d");
        row("45 metų", "45y0m0d", "45y11m30d");
        row("45 gadi un 3 mēneši", "45y3m0d", "45y3m30d");
        row("45 aastat", "45y0m0d", "45y11m30d");
        row("45 ára", "45y0m0d", "45y11m30d");
        row("fjörutíu og fimm ára", "45y0m0d", "45y11m30d");
        // Every German number word from 20 to 99, put together here as the
        // language does (the unit, "und", the tens), so that a word the
        // table misspells or numbers wrong fails.
        const char* const germanUnits[] = {"ein", "zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun"};
        const char* const germanTens[] = {"zwanzig", "dreißig", "vierzig", "fünfzig",
                                          "sechzig", "siebzig", "achtzig", "neunzig"};
        for (int tens = 2; tens <= 9; ++tens) {
            for (int unit = 0; unit <= 9; ++unit) {
                const QByteArray word = QByteArray(unit == 0 ? "" : germanUnits[unit - 1])
                    + (unit == 0 ? "" : "und") + germanTens[tens - 2] + " Jahre";
                const int number = 10 * tens + unit;
                const QString years = QString::number(number);
                QTest::addRow("German %d", number) << word << years + "y0m0d" << years + "y11m30d";
            }
        }
    }
    // Ages marked about by the words of each language, before or after.
    void aboutAges_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("years");
        for (const char* text : {"âgé d'environ 60 ans", "annorum circiter 60", "ungefähr 60 Jahre", "omkring 60 år",
                                 "60 ans ou environ", "60 años poco más o menos", "около 60 лет", "mintegy 60 éves"})
            QTest::newRow(text) << QByteArray(text) << 60;
    }
    void aboutAges()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, years);
        const Result<AgeReading> reading = readAgeText(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QVERIFY(reading->about);
        QCOMPARE(reading->age.years, years);
    }

    // Every word two languages read as different months: refused naming
    // both readings without a language, read as the language chosen means it.
    void languageChosen_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("day");
        const auto row = [](const char* text, const char* language, const char* day) {
            QTest::addRow("%s %s", text, language) << QByteArray(text) << QByteArray(language) << QByteArray(day);
        };
        row("5. listopada 1850", "", "names two months: month 11 in Polish and Slovenian or month 10 in Croatian");
        row("5. listopada 1850", "hr", "1850-10-5");
        row("5. listopada 1850", "pl", "1850-11-5");
        row("5. listopada 1850", "sl", "1850-11-5");
        row("5. listopada 1850", "cs", "names two months");
        row("listopad 1850", "", "month 11 in Polish, Czech and Slovenian or month 10 in Croatian");
        row("listopad 1850", "HR", "1850-10-1");
        row("listopad 1850", "cs", "1850-11-1");
        row("3. prosinca 1850", "", "month 12 in Croatian or month 1 in Slovenian");
        row("3. prosinca 1850", "hr", "1850-12-3");
        row("3. prosinca 1850", "sl", "1850-1-3");
        row("3. prosinec 1850", "", "month 12 in Czech or month 1 in Slovenian");
        row("3. prosinec 1850", "cs", "1850-12-3");
        row("3. prosinec 1850", "sl", "1850-1-3");
    }
    void languageChosen()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, day);
        DateReadOptions options;
        options.language = language.toStdString();
        const DateResult reading = readDate(view(text), options);
        if (!day.startsWith("18")) {
            QVERIFY2(!reading.ok(), reading ? dateReadingText(*reading).c_str() : "");
            QVERIFY2(QByteArray::fromStdString(reading.problem().message).contains(day), reading.problem().message.c_str());
            return;
        }
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(isoText(reading->days.earliest), day);
    }

    // A number word two languages read differently is read in the language
    // chosen where the unit after it does not tell.
    void languageChosenForNumbers()
    {
        QVERIFY(!readAgeText("aged tres").ok());
        QCOMPARE(readAgeText("aged tres", "da")->age.years, 60LL);
        QCOMPARE(readAgeText("aged tres", "ca")->age.years, 3LL);
    }

    void ages()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, least);
        QFETCH(QString, greatest);
        const Result<AgeReading> reading = readAgeText(view(text));
        QVERIFY2(reading.ok(), whyNot(reading));
        QCOMPARE(ageText(reading->least), least);
        QCOMPARE(ageText(reading->greatest), greatest);
    }

    // A number word two languages read differently, with no unit to decide.
    void ambiguousNumberRefused()
    {
        const Result<AgeReading> reading = readAgeText("aged tres");
        QVERIFY(!reading.ok());
        const std::string& problem = reading.problem().message;
        QVERIFY2(problem.find("3 in Latin, Spanish, Portuguese and Catalan or 60 in Danish") != std::string::npos,
                 problem.c_str());
    }

    void romanNumerals_data()
    {
        QTest::addColumn<QByteArray>("numeral");
        QTest::addColumn<int>("value");
        const auto row = [](const char* numeral, int value) { QTest::newRow(numeral) << QByteArray(numeral) << value; };
        row("xxij", 22);
        row("iiij", 4);
        row("iv", 4);
        row("vij", 7);
        row("ix", 9);
        row("xix", 19);
        row("xxxi", 31);
        row("mdccl", 1750);
        row("mdcccxii", 1812);
        row("mcmxc", 1990);
        row("mdccccx", 1910);
        row("xxxxx", 0);
        row("iiiii", 0);
        row("vv", 0);
        row("ic", 0);
        row("jx", 0);
        row("vj", 6);
        row("xvj", 16);
        row("xxxj", 31);
    }
    void romanNumerals()
    {
        QFETCH(QByteArray, numeral);
        QFETCH(int, value);
        const auto read = languages::romanValue(view(numeral));
        QCOMPARE(read ? int(*read) : 0, value);
    }

    // No spelling of one table means another month (or unit) in another,
    // and a number word two tables read differently is told apart by its unit.
    void tablesAgree()
    {
        const languages::Lexicon& lexicon = languages::lexicon();
        // The clashes the languages themselves bring, which --language settles.
        QCOMPARE(QString::fromStdString(join(lexicon.monthClashes())),
                 QString("listopad: month 11 in Polish, Czech and Slovenian; month 10 in Croatian;\n"
                         "listopada: month 11 in Polish and Slovenian; month 10 in Croatian;\n"
                         "prosinca: month 12 in Croatian; month 1 in Slovenian;\n"
                         "prosinec: month 12 in Czech; month 1 in Slovenian;\n"));
        QCOMPARE(QString::fromStdString(join(lexicon.wordRoleClashes())), QString());
        QCOMPARE(QString::fromStdString(join(lexicon.unitClashes())), QString());
        QCOMPARE(QString::fromStdString(join(lexicon.unresolvedNumberClashes())), QString());
    }
    // No month name of a language is a month of the Hebrew or French
    // Republican calendar, whose names live beside the languages' tables.
    void languagesAgreeWithCalendars()
    {
        for (const languages::LanguageTable* table : languages::allTables()) {
            for (std::string_view spellings : table->months) {
                while (!spellings.empty()) {
                    const std::string spelling(spellings.substr(0, spellings.find('|')));
                    std::string upper = languages::withoutDiacritics(languages::lookupKey(spelling));
                    for (char& c : upper)
                        c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
                    const std::string where = std::string(table->name) + ": " + spelling;
                    QVERIFY2(hebrewMonthOfWords(upper) == 0, where.c_str());
                    QVERIFY2(frenchMonthOfWords(upper) == 0, where.c_str());
                    spellings.remove_prefix(std::min(spellings.size(), spelling.size() + 1));
                }
            }
        }
        // And the check can fail: a Republican month is one of theirs.
        QVERIFY(frenchMonthOfWords("BRUMAIRE") != 0);
    }

    // The clash test finds a clash where a table brings one.
    void clashesFound()
    {
        const languages::Lexicon lexicon({&clashingTable(0), &clashingTable(1)});
        QCOMPARE(lexicon.monthClashes().size(), size_t(1));
        QVERIFY(lexicon.monthClashes().front().find("month 3 in Firstish; month 4 in Secondish") != std::string::npos);
        QCOMPARE(lexicon.unitClashes().size(), size_t(1));
        QCOMPARE(lexicon.unresolvedNumberClashes().size(), size_t(1));
        QVERIFY(lexicon.month("mars")->ambiguous());
    }

    // Every spelling of every table reads back as its month, in capitals and
    // without diacritics too; every table's examples read.
    void everyTableReadsBack()
    {
        for (const languages::LanguageTable* table : languages::allTables()) {
            for (int month = 1; month <= languages::MonthsPerYear; ++month) {
                std::string_view spellings = table->months[size_t(month - 1)];
                while (!spellings.empty()) {
                    const std::string spelling(spellings.substr(0, spellings.find('|')));
                    const std::string where = std::string(table->name) + ": " + spelling;
                    std::string upper = spelling;
                    for (char& c : upper)
                        c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
                    for (const std::string& form : {spelling, languages::withoutDiacritics(spelling), upper}) {
                        // A word two languages read differently is read in the one chosen.
                        const auto* readings = languages::lexicon().month(languages::lookupKey(form));
                        const auto* meant = readings ? readings->meant(languages::lexicon().languageOfCode(table->code)) : nullptr;
                        QVERIFY2(meant && meant->value == month, where.c_str());
                        QVERIFY2(monthOfName(form) == (readings->ambiguous() ? 0 : month), where.c_str());
                    }
                    spellings.remove_prefix(std::min(spellings.size(), spelling.size() + 1));
                }
            }
            const DateResult date = readDate(table->dateExample);
            QVERIFY2(date.ok(), whyNot(date));
            const Result<AgeReading> age = readAgeText(table->ageExample);
            QVERIFY2(age.ok(), whyNot(age));
            for (const languages::NumberWord& number : table->numbers) {
                const std::string_view first = number.spellings.substr(0, number.spellings.find('|'));
                const std::string years(table->ages.years.substr(0, table->ages.years.find('|')));
                const Result<AgeReading> reading = readAgeText(std::string(first) + " " + years);
                const std::string where = std::string(table->name) + ": " + std::string(first) + " "
                    + (reading ? "" : reading.problem().message);
                QVERIFY2(reading && reading->age.years == number.value, where.c_str());
            }
        }
    }

    void letters_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("lower");
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("umlaut") << QByteArray("MÄRZ") << QByteArray("märz") << QByteArray("marz");
        QTest::newRow("Polish") << QByteArray("WRZEŚNIA") << QByteArray("września") << QByteArray("wrzesnia");
        QTest::newRow("Czech") << QByteArray("ČERVENCE") << QByteArray("července") << QByteArray("cervence");
        QTest::newRow("Ł") << QByteArray("ŁUTY") << QByteArray("łuty") << QByteArray("luty");
        QTest::newRow("Ř") << QByteArray("ŘÍJNA") << QByteArray("října") << QByteArray("rijna");
        QTest::newRow("ß") << QByteArray("Dreißig") << QByteArray("dreißig") << QByteArray("dreissig");
        QTest::newRow("Ž odd pair") << QByteArray("Ž") << QByteArray("ž") << QByteArray("z");
        QTest::newRow("Cyrillic") << QByteArray("ГЕНВАРЯ") << QByteArray("генваря") << QByteArray("генваря");
        QTest::newRow("old Cyrillic") << QByteArray("ІЮНЯ АПРѢЛЯ") << QByteArray("іюня апрѣля") << QByteArray("іюня апрѣля");
        QTest::newRow("Ukrainian") << QByteArray("ҐРУДНЯ") << QByteArray("ґрудня") << QByteArray("ґрудня");
        QTest::newRow("comma below") << QByteArray("ȘAPTE ȚARĂ") << QByteArray("șapte țară") << QByteArray("sapte tara");
        QTest::newRow("dotted I") << QByteArray("İ") << QByteArray("i") << QByteArray("i");
    }
    void letters()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, lower);
        QFETCH(QByteArray, plain);
        const std::string folded = languages::lowerCased(view(text));
        QCOMPARE(QByteArray::fromStdString(folded), lower);
        QCOMPARE(QByteArray::fromStdString(languages::withoutDiacritics(folded)), plain);
    }

private:
    static std::string join(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        return text;
    }
};

QTEST_APPLESS_MAIN(TestLanguages)
#include "tst_languages.moc"
