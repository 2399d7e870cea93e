#include "shell/center_form.h"

#include "screens/design.h"

#include <QEvent>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr auto recentre_name = "recentre_once_framed";

// The frames the window manager gave the program's last framed windows, sizable and fixed (a
// fixed one may lack the sizable one's grips): a window about to be shown for the first time is
// centred with the frame of its kind, or else of the other kind, before anyone sees it.
std::array<QMargins, 2> last_frames;

std::size_t kind_of(const QWidget& window)
{
    return window.minimumSize() == window.maximumSize() ? 1 : 0;
}

QMargins remembered_frame(const QWidget& window)
{
    const std::size_t kind = kind_of(window);
    return last_frames.at(kind).isNull() ? last_frames.at(1 - kind) : last_frames.at(kind);
}

void remember_frame(const QWidget& window, QMargins frame)
{
    last_frames.at(kind_of(window)) = frame;
}

QMargins frame_of(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void place(QWidget& window, QMargins frame, float horizontal_offset, float vertical_offset)
{
    const QScreen* screen = window.screen();
    const QSize client = window.size();
    const QPoint corner =
        centered_frame_position(screen->geometry(), screen->availableGeometry(),
                                client.grownBy(frame), horizontal_offset, vertical_offset);
    // The client's place, not the frame's: Qt takes a position as the frame's only until the
    // window is first created, and then from a frame it may not know yet.
    window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), client));
}

// Centres its window again once the window manager has framed it: it reports the frame only once
// the window is mapped, before the window's first expose. It goes when the window is hidden.
class RecentreOnceFramed : public QObject {
public:
    RecentreOnceFramed(QWidget& window, float horizontal_offset, float vertical_offset)
        : QObject(&window), window_(window)
    {
        setObjectName(QString::fromLatin1(recentre_name));
        set_offsets(horizontal_offset, vertical_offset);
        window.installEventFilter(this);
        watch_platform_window();
    }

    void set_offsets(float horizontal_offset, float vertical_offset)
    {
        horizontal_offset_ = horizontal_offset;
        vertical_offset_ = vertical_offset;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Hide) {
            finish();
        } else if (watched == &window_ && event->type() == QEvent::Show) {
            watch_platform_window();
        } else if (watched == platform_window_) {
            const QMargins frame = frame_of(window_);
            if (!frame.isNull()) {
                finish();
                remember_frame(window_, frame);
                place(window_, frame, horizontal_offset_, vertical_offset_);
            }
        }
        return false;
    }

private:
    // The frame shows in the events of the platform window, which exists once the window is shown.
    void watch_platform_window()
    {
        if (platform_window_ || !window_.windowHandle())
            return;
        platform_window_ = window_.windowHandle();
        platform_window_->installEventFilter(this);
    }

    // A CenterForm that comes before the deferred delete installs a new one.
    void finish()
    {
        window_.removeEventFilter(this);
        if (platform_window_)
            platform_window_->removeEventFilter(this);
        setObjectName(QString());
        deleteLater();
    }

    QWidget& window_;
    QPointer<QWindow> platform_window_;
    float horizontal_offset_ = 0;
    float vertical_offset_ = 0;
};

} // namespace

float centered_edge(float screen_extent, float window_extent, float offset)
{
    const float half = (screen_extent - window_extent) / 2;
    const float edge = half - offset;
    return edge;
}

QPoint centered_frame_position(QRect screen, QRect available, QSize frame, float horizontal_offset,
                               float vertical_offset)
{
    const auto twips = [](int pixels) { return static_cast<float>(pixels * twips_per_pixel); };
    const auto pixels = [](float twips_value) {
        return static_cast<int>(std::lround(twips_value / twips_per_pixel));
    };
    const int left = screen.x() + pixels(centered_edge(twips(screen.width()), twips(frame.width()),
                                                       horizontal_offset));
    const int top = screen.y() + pixels(centered_edge(twips(screen.height()), twips(frame.height()),
                                                      vertical_offset));
    return {std::max(left, available.left()), std::max(top, available.top())};
}

void CenterForm(QWidget& window, float horizontal_offset, float vertical_offset)
{
    const QMargins own = frame_of(window);
    if (!own.isNull()) {
        remember_frame(window, own);
        place(window, own, horizontal_offset, vertical_offset);
        return;
    }
    place(window, remembered_frame(window), horizontal_offset, vertical_offset);
    auto* pending = static_cast<RecentreOnceFramed*>(
        window.findChild<QObject*>(QString::fromLatin1(recentre_name), Qt::FindDirectChildrenOnly));
    if (pending)
        pending->set_offsets(horizontal_offset, vertical_offset);
    else
        new RecentreOnceFramed(window, horizontal_offset, vertical_offset);
}
