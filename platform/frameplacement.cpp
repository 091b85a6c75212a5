#include "frameplacement.h"

#include "platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#if __has_include(<xcb/xproto.h>)
#include <xcb/xproto.h>
#define SPANWRIGHT_HAS_XCB 1
#endif

namespace {

// A strip of the frame that must stay on the screen even where the window
// manager draws no title bar: the top edge of the window.
constexpr int LeastVisibleStrip = 1;

} // namespace

FramePlacement::FramePlacement(QWidget* window, Target target)
    : QObject(window)
    , window(window)
    , target(std::move(target))
{
}

FramePlacement::~FramePlacement()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

void FramePlacement::place(QWidget* window, Target target)
{
    if (!platform::windowPlacesKnown())
        return;
    auto* placement = new FramePlacement(window, std::move(target));
    // The size that the window's layout gives it, before it is first shown.
    if (QLayout* layout = window->layout())
        layout->activate();
    // QWidget::move places a top-level window by its frame; none is known yet.
    window->move(placement->target(window->frameGeometry().size(), QMargins()));
    window->installEventFilter(placement);
}

QPoint FramePlacement::centred(const QRect& screen, const QSize& frameSize)
{
    return {screen.x() + screen.width() / 2 - frameSize.width() / 2,
            screen.y() + screen.height() / 2 - frameSize.height() / 2};
}

QPoint FramePlacement::titleBarOnScreen(const QPoint& corner, const QSize& frameSize,
                                        int titleBarHeight, const QList<QRect>& screenAreas)
{
    const int strip = std::max(titleBarHeight, LeastVisibleStrip);
    // Whole on the screens together, as across two side by side: kept.
    QRegion hidden(QRect(corner, QSize(frameSize.width(), strip)));
    for (const QRect& area : screenAreas)
        hidden -= area;
    if (hidden.isEmpty())
        return corner;
    std::optional<QPoint> nearest;
    qint64 nearestDistance = 0;
    for (const QRect& area : screenAreas) {
        if (area.isEmpty())
            continue;
        // A frame wider (a title bar higher) than the area starts at its edge.
        const int right = std::max(area.left(), area.x() + area.width() - frameSize.width());
        const int bottom = std::max(area.top(), area.y() + area.height() - strip);
        const QPoint moved(std::clamp(corner.x(), area.left(), right),
                           std::clamp(corner.y(), area.top(), bottom));
        const qint64 dx = qint64(moved.x()) - corner.x();
        const qint64 dy = qint64(moved.y()) - corner.y();
        const qint64 distance = dx * dx + dy * dy;
        if (!nearest || distance < nearestDistance) {
            nearest = moved;
            nearestDistance = distance;
        }
    }
    return nearest.value_or(corner);
}

std::optional<QPoint> FramePlacement::framePosition(const QWidget* window)
{
    if (!platform::windowPlacesKnown())
        return std::nullopt;
    const QWindow* native = window->windowHandle();
    return native ? native->framePosition() : window->frameGeometry().topLeft();
}

void FramePlacement::settle()
{
    // The native window's own margins, read from the window system once
    // they have changed; those of the widget may still hold the frame as it
    // was before the window manager added it.
    QWindow* native = window->windowHandle();
    if (!native || !native->isExposed())
        return;
    const QMargins margins = native->frameMargins();
    if (placedWith && margins == *placedWith)
        return;
    // Mapped, or framed anew: place the frame by the margins it has now.
    // The window's reported position may lag behind the requests made so
    // far, so the request goes out whatever it reports.
    placedWith = margins;
    const QPoint corner = target(native->frameGeometry().size(), margins);
    const QPoint client = corner + QPoint(margins.left(), margins.top());
    native->setGeometry(QRect(client, native->geometry().size()));
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::Show && !watchingNative) {
        // The native window exists now.
        watchingNative = true;
        window->windowHandle()->installEventFilter(this);
        QCoreApplication::instance()->installNativeEventFilter(this);
    } else if (watched != window
               && (event->type() == QEvent::Expose || event->type() == QEvent::Move)) {
        settle();
    }
    return false;
}

bool FramePlacement::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
#ifdef SPANWRIGHT_HAS_XCB
    // A window manager may report the frame (_NET_FRAME_EXTENTS) after the
    // window is mapped and drawn, with no move or exposure to follow. Qt
    // reads the property anew once it has handled the change.
    constexpr uint8_t SentByClient = 0x80;
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~SentByClient) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    const QWindow* native = window->windowHandle();
    if (native && native->handle() && change->window == native->winId())
        QMetaObject::invokeMethod(this, [this] { settle(); }, Qt::QueuedConnection);
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}
