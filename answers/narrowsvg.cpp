#include "narrowsvg.h"

#include "calendars/calendardate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>

namespace spanwright {

namespace {

// The layout, in SVG user units (pixels on screen).
constexpr double Width = 760;
constexpr double LabelWidth = 300; // the record's text on the left
constexpr size_t LabelCharacters = 44; // what fits in it at the font's size
constexpr double ChartLeft = LabelWidth + 10;
constexpr double ChartRight = Width - 20;
constexpr double TopMargin = 44;   // the title and the answer
constexpr double RowHeight = 26;
constexpr double BarHeight = 14;
constexpr double ApartGap = 30;    // between the agreeing records and those left out
constexpr double AxisHeight = 34;
constexpr long long DaysPerYearRoughly = 366;

// The looks, as presentation attributes rather than a style sheet, so that
// a page whose policy refuses inline styles shows the picture the same.
// Left out is hatched, not only coloured, so that print in grey tells it.
constexpr std::string_view BarLook = "fill=\"#4a78b0\" stroke=\"#1d3557\"";
constexpr std::string_view ApartLook = "fill=\"url(#narrow-hatch)\" stroke=\"#9b2226\"";
constexpr std::string_view OpenLook = "fill=\"#1d3557\"";
constexpr std::string_view OverlapLook =
    "fill=\"#f4a261\" fill-opacity=\"0.35\" stroke=\"#c1121f\" stroke-dasharray=\"4 3\"";

// Year steps for the axis labels, the first that gives at most MostTicks.
constexpr std::array<long long, 9> YearSteps = {1, 2, 5, 10, 20, 25, 50, 100, 200};
constexpr long long MostTicks = 10;

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string number(double value)
{
    const long long tenths = std::llround(value * 10);
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0)
        text += "." + std::to_string(std::llabs(tenths % 10));
    return text;
}

struct Axis
{
    Day firstDay;
    Day lastDay;
    double x(Day day) const
    {
        const double span = static_cast<double>(std::max(1LL, lastDay - firstDay));
        return ChartLeft + (ChartRight - ChartLeft) * static_cast<double>(day - firstDay) / span;
    }
};

// The days the picture shows: every closed side of every window, a year
// beyond on each side.
Axis axisOf(const NarrowAnswer& answer)
{
    Day low{std::numeric_limits<long long>::max()};
    Day high{std::numeric_limits<long long>::min()};
    for (const NarrowReading& reading : answer.records) {
        const DayRange& days = recordAsRead(reading).window.days;
        for (const std::optional<Day>& side : {days.earliest, days.latest}) {
            if (side) {
                low = std::min(low, *side);
                high = std::max(high, *side);
            }
        }
    }
    if (low > high)
        low = high = dayOf({1900, 1, 1});
    return {low - DaysPerYearRoughly, high + DaysPerYearRoughly};
}

std::string barOf(const BirthWindow& window, const Axis& axis, double y, bool apart)
{
    const double left = window.days.earliest ? axis.x(*window.days.earliest) : ChartLeft;
    const double right = window.days.latest ? axis.x(*window.days.latest + 1) : ChartRight;
    std::string bar = "<rect class=\"" + std::string(apart ? "bar apart" : "bar") + "\" " + std::string(apart ? ApartLook : BarLook) + " x=\"" + number(left)
        + "\" y=\"" + number(y) + "\" width=\"" + number(std::max(2.0, right - left)) + "\" height=\""
        + number(BarHeight) + "\"/>";
    // An open side is an arrow: the record sets no bound there.
    const double middle = y + BarHeight / 2;
    if (!window.days.earliest)
        bar += "<path class=\"open\" " + std::string(OpenLook) + " d=\"M" + number(left) + " " + number(middle) + " l8 -7 v14 z\"/>";
    if (!window.days.latest)
        bar += "<path class=\"open\" " + std::string(OpenLook) + " d=\"M" + number(right) + " " + number(middle) + " l-8 -7 v14 z\"/>";
    return bar;
}

// The years along the axis, and their lines up through the bars.
std::string yearTicks(const Axis& axis, double chartBottom)
{
    std::string ticks;
    long long step = YearSteps.back();
    const long long firstYear = dateOf(axis.firstDay).year + 1;
    const long long lastYear = dateOf(axis.lastDay).year;
    for (long long candidate : YearSteps) {
        if ((lastYear - firstYear) / candidate + 1 <= MostTicks) {
            step = candidate;
            break;
        }
    }
    for (long long year = (firstYear + step - 1) / step * step; year <= lastYear; year += step) {
        const double x = axis.x(dayOf({year, 1, 1}));
        ticks += "<line class=\"tick\" stroke=\"#888\" x1=\"" + number(x) + "\" y1=\"" + number(TopMargin - 6) + "\" x2=\"" + number(x)
            + "\" y2=\"" + number(chartBottom + 4) + "\"/><text x=\"" + number(x) + "\" y=\""
            + number(chartBottom + 18) + "\" text-anchor=\"middle\">" + std::to_string(year) + "</text>\n";
    }
    return ticks;
}

} // namespace

std::string narrowAnswerSvg(const NarrowAnswer& answer, DateOrder order)
{
    const Narrowing& narrowing = answer.narrowing;
    const bool fits = narrowing.fits;
    // The records in the shaded set first, those it leaves out apart.
    std::vector<size_t> together;
    std::vector<size_t> apart;
    BirthWindow shaded = narrowing.window;
    if (fits) {
        for (size_t index = 0; index < answer.records.size(); ++index)
            together.push_back(index);
    } else if (!narrowing.largestSets.empty()) {
        together = narrowing.largestSets.front().records;
        apart = narrowing.largestSets.front().leftOut;
        shaded = narrowing.largestSets.front().window;
    }
    const Axis axis = axisOf(answer);
    const double apartTop = TopMargin + RowHeight * static_cast<double>(together.size()) + (apart.empty() ? 0 : ApartGap);
    const double chartBottom = apartTop + RowHeight * static_cast<double>(apart.size());
    const double height = chartBottom + AxisHeight;

    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"narrow-chart\" viewBox=\"0 0 " + number(Width)
        + " " + number(height) + "\" width=\"" + number(Width) + "\" height=\"" + number(height)
        + "\" role=\"img\" aria-labelledby=\"narrow-title\" font-family=\"sans-serif\" font-size=\"12\">\n";
    svg += "<title id=\"narrow-title\">Birth dates the records allow</title>\n";
    svg += "<defs><pattern id=\"narrow-hatch\" width=\"6\" height=\"6\" patternUnits=\"userSpaceOnUse\" "
           "patternTransform=\"rotate(45)\"><rect width=\"6\" height=\"6\" fill=\"#fff\"/>"
           "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"6\" stroke=\"#9b2226\" stroke-width=\"3\"/></pattern></defs>\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    const std::string answerText = fits ? "Born " + birthWindowText(shaded, order)
                                        : "No birth date fits every record; " + std::to_string(together.size())
                                              + " of " + std::to_string(answer.records.size())
                                              + " agree: " + birthWindowText(shaded, order);
    svg += "<text class=\"answer\" font-weight=\"bold\" x=\"10\" y=\"22\">" + escaped(answerText) + "</text>\n";

    svg += yearTicks(axis, chartBottom);
    // The shaded days, across every bar.
    if (shaded.days.earliest || shaded.days.latest) {
        const double left = shaded.days.earliest ? axis.x(*shaded.days.earliest) : ChartLeft;
        const double right = shaded.days.latest ? axis.x(*shaded.days.latest + 1) : ChartRight;
        svg += "<rect class=\"overlap\" " + std::string(OverlapLook) + " x=\"" + number(left) + "\" y=\"" + number(TopMargin - 8) + "\" width=\""
            + number(std::max(2.0, right - left)) + "\" height=\"" + number(chartBottom - TopMargin + 12)
            + "\"><title>" + escaped(birthWindowText(shaded, order)) + "</title></rect>\n";
    }
    const auto row = [&](size_t index, double y, bool isApart) {
        const NarrowReading& reading = answer.records[index];
        const NarrowRecord& record = recordAsRead(reading);
        const std::string label = std::to_string(index + 1) + ". " + record.when + ": " + record.age;
        // A long label is squeezed into its column rather than run into the bars.
        const std::string fit = label.size() > LabelCharacters
            ? "\" textLength=\"" + number(LabelWidth - 20) + "\" lengthAdjust=\"spacingAndGlyphs"
            : "";
        // A record no birth date gives has no bar, only its reason.
        svg += "<g><title>" + escaped(label + ": " + recordWindowText(reading, order)) + "</title><text x=\"10\" y=\""
            + number(y + BarHeight - 3) + fit + "\">" + escaped(label) + "</text>"
            + (reading ? barOf(record.window, axis, y, isApart) : std::string()) + "</g>\n";
    };
    for (size_t position = 0; position < together.size(); ++position)
        row(together[position], TopMargin + RowHeight * static_cast<double>(position), false);
    if (!apart.empty()) {
        const double ruleY = apartTop - ApartGap / 2;
        svg += "<line class=\"rule\" stroke=\"#9b2226\" stroke-dasharray=\"6 4\" x1=\"10\" y1=\"" + number(ruleY) + "\" x2=\"" + number(ChartRight) + "\" y2=\""
            + number(ruleY) + "\"/><text x=\"10\" y=\"" + number(ruleY - 4)
            + "\" font-style=\"italic\">left out: fits none of the records above</text>\n";
        for (size_t position = 0; position < apart.size(); ++position)
            row(apart[position], apartTop + RowHeight * static_cast<double>(position), true);
    }
    return svg + "</svg>\n";
}

} // namespace spanwright
