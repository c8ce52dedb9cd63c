#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace quorvel::ui {

// Places a top-level window, frame and all, the first time it is shown.
//
// An X11 window manager frames a window only once it is mapped, so the frame
// cannot be read beforehand; it can be asked for, though
// (_NET_REQUEST_FRAME_EXTENTS), and the window manager announces it on the
// window (_NET_FRAME_EXTENTS). The question goes out as soon as the window
// exists, and the window is mapped only once the answer is in, already where
// its frame belongs: nothing then depends on how quickly the window manager
// frames it. Should it announce another frame as it takes the window on, the
// window is put right before it is first on screen.
//
// Elsewhere nothing is asked and the frame is taken as Qt knows it: a Wayland
// compositor places windows itself, and a window without a window manager has
// no frame.
class FramePlacement final : public QObject, private QAbstractNativeEventFilter {
public:
    // `frameAt` gives the top left of the window's frame, for the window in
    // the given frame.
    FramePlacement(QWidget& window, std::function<QPoint(const QMargins&)> frameAt);

    // Called from the window's setVisible: true while showing it must wait
    // for the window manager's answer, which then shows it.
    bool holdsShowing(bool visible);
    // Called from the window's showEvent, before the window is mapped.
    void placeFirstTime();

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void answered(const QMargins& frame);
    void placeIn(const QMargins& frame);
    QMargins frame() const;

    QWidget& window_;
    std::function<QPoint(const QMargins&)> frameAt_;
    // The X11 window and the atom its frame is announced in; 0 elsewhere.
    uint32_t nativeWindow_ = 0;
    uint32_t extentsAtom_ = 0;
    bool awaited_ = false;
    bool showingHeld_ = false;
    bool placed_ = false;
    bool mapped_ = false;
    std::optional<QMargins> announced_;
    QMargins placedIn_;
};

} // namespace quorvel::ui
