#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

class QWidget;

// Places a top-level window by its outer frame, title bar included, and
// keeps it there while the window manager frames the window. The frame's
// size is known only once the window manager reports it, and each one does
// so at its own moment: before the window is mapped (openbox, icewm), or
// only after it has been mapped and drawn (fluxbox). So the place is set
// again whenever the reported frame changes. Saving framePosition() then
// gives back the very place that was set.
//
// Where the platform can neither tell nor set a window's place (Wayland),
// nothing is placed and the compositor places the window.
class FramePlacement : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // Where the frame's top-left corner goes, given the frame's size and its
    // margins around the client area (the top one holds the title bar).
    using Target = std::function<QPoint(const QSize& frameSize, const QMargins& frame)>;

    // Places window now and whenever its frame changes; owned by window.
    static void place(QWidget* window, Target target);

    // Where the window's frame is now, or nothing where the platform
    // cannot tell.
    static std::optional<QPoint> framePosition(const QWidget* window);

    // The top-left corner that centres a frame of that size on the screen.
    static QPoint centred(const QRect& screen, const QSize& frameSize);

    // The corner nearest to corner at which the whole title bar (the top
    // titleBarHeight pixels of the frame, at least one) lies on one of the
    // screen areas; corner itself when it already lies on them. Without
    // areas, corner.
    static QPoint titleBarOnScreen(const QPoint& corner, const QSize& frameSize,
                                   int titleBarHeight, const QList<QRect>& screenAreas);

    ~FramePlacement() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FramePlacement(QWidget* window, Target target);
    // Places the frame again when its margins have changed.
    void settle();

    QWidget* window;
    Target target;
    bool watchingNative = false;
    // The frame's margins when it was last placed; nothing before the
    // window is first exposed.
    std::optional<QMargins> placedWith;
};
