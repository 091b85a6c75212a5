#include "frameplacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

FramePlacement::FramePlacement(QWidget* window, Target target)
    : QObject(window)
    , window(window)
    , target(std::move(target))
{
}

void FramePlacement::place(QWidget* window, Target target)
{
    auto* placement = new FramePlacement(window, std::move(target));
    placement->apply();
    window->installEventFilter(placement);
}

QPoint FramePlacement::centred(const QRect& screen, const QSize& frameSize)
{
    return {screen.x() + screen.width() / 2 - frameSize.width() / 2,
            screen.y() + screen.height() / 2 - frameSize.height() / 2};
}

void FramePlacement::apply()
{
    // QWidget::move places a top-level window by its frame.
    window->move(target(window->frameGeometry().size()));
}

void FramePlacement::placeFramed()
{
    // The native window's own geometry and margins: those of the widget may
    // still hold the frame as it was before the window manager added it.
    QWindow* native = window->windowHandle();
    const QMargins frame = native->frameMargins();
    const QPoint corner = target(native->frameGeometry().size());
    native->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), native->geometry().size()));
}

QPoint FramePlacement::framePosition(const QWidget* window)
{
    const QWindow* native = window->windowHandle();
    return native ? native->framePosition() : window->frameGeometry().topLeft();
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::Show) {
        // The native window exists now; its first exposure comes after the
        // window manager has framed it.
        window->removeEventFilter(this);
        window->windowHandle()->installEventFilter(this);
    } else if (event->type() == QEvent::Expose && window->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        placeFramed();
    }
    return false;
}
