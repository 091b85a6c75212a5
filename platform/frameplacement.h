#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Places a top-level window by its outer frame, title bar included. Before
// the window is shown the frame's size is not known and Qt places the frame
// where asked; a window manager that adds its frame later leaves Qt's idea
// of the position and frame behind the real ones, so the place is set again
// once the window is first exposed, when the frame exists. Saving
// framePosition() then gives back the very place that was set.
class FramePlacement : public QObject
{
    Q_OBJECT

public:
    // Where the frame's top-left corner goes, given the frame's size.
    using Target = std::function<QPoint(const QSize& frameSize)>;

    // Places window now and again at its first exposure; owned by window.
    static void place(QWidget* window, Target target);

    // Where the window's frame is now, as the window system has it.
    static QPoint framePosition(const QWidget* window);

    // The top-left corner that centres a frame of that size on the screen.
    static QPoint centred(const QRect& screen, const QSize& frameSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FramePlacement(QWidget* window, Target target);
    void apply();
    void placeFramed();

    QWidget* window;
    Target target;
};
