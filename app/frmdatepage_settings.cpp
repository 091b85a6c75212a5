// The result notation and the window's position, kept between runs.
#include "frmdatepage.h"

#include "platform/frameplacement.h"
#include "platform/platform.h"
#include "platform/twips.h"

#include "text/leadingnumber.h"

#include <cmath>

using namespace spanwright;

namespace {

const QString Application = QStringLiteral("Spanwright");
const QString Section = QStringLiteral("Startup");
const QString OutputFormatKey = QStringLiteral("Output Format");
const QString LeftKey = QStringLiteral("Left");
const QString TopKey = QStringLiteral("Top");

LeadingNumber number(const QString& text)
{
    return readLeadingNumber(text.toStdString());
}

// A stored position in twips as pixels; nothing for one no screen could
// reach, a number too large to read among them.
std::optional<int> screenPixels(const LeadingNumber& twips)
{
    constexpr double Farthest = 1e8; // some seventeen hundred metres
    if (twips.tooLarge || !(std::fabs(twips.value) < Farthest))
        return std::nullopt;
    return twips::toPixels(twips.value);
}

} // namespace

void frmDatePage::loadSettings()
{
    const QStringList stored = platform::readSettings(Application, Section,
                                                      {OutputFormatKey, LeftKey, TopKey});
    // The notation is one of the four entries of the result list; anything
    // else, as from a store edited by hand, gives the worded one.
    const double format = number(stored[0]).value;
    const bool isEntry = format >= 1 && format <= WordedEntry && std::trunc(format) == format;
    Diff_Index = isEntry ? static_cast<int>(format) : WordedEntry;

    // A place too far for any screen gives the corner. Any other place is
    // kept, moved only as little as it takes to show the whole title bar on
    // a screen, where the window can be dragged: the store may have been
    // written by hand, under another desktop or with a monitor since
    // unplugged.
    const std::optional<int> left = screenPixels(number(stored[1]));
    const std::optional<int> top = screenPixels(number(stored[2]));
    const QPoint place =
        left && top ? QPoint(*left, *top) : platform::primaryScreenGeometry().topLeft();
    // Placed and saved by the outer frame, so that a run that moves nothing
    // stores the very numbers it read.
    FramePlacement::place(this, [place](const QSize& frameSize, const QMargins& frame) {
        return FramePlacement::titleBarOnScreen(place, frameSize, frame.top(),
                                                platform::availableScreenAreas());
    });
}

void frmDatePage::saveSettings()
{
    const auto decimal = [](double value) { return QString::number(value, 'f', 0); };
    QList<std::pair<QString, QString>> values{{OutputFormatKey, decimal(Diff_Index)}};
    // Where the platform cannot tell the window's place, the stored one is
    // kept for the next run where it can.
    if (const std::optional<QPoint> frame = FramePlacement::framePosition(this)) {
        values.append({LeftKey, decimal(twips::fromPixels(frame->x()))});
        values.append({TopKey, decimal(twips::fromPixels(frame->y()))});
    }
    platform::writeSettings(Application, Section, values);
}
