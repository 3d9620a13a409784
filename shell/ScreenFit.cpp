#include "ScreenFit.h"

#include <algorithm>
#include <utility>

namespace {

// Far beyond any desktop, yet small enough that sums of two coordinates stay in an int.
constexpr long long COORDINATE_LIMIT = 1 << 20;

int Bounded(long long value) {
    return static_cast<int>(std::clamp(value, -COORDINATE_LIMIT, COORDINATE_LIMIT));
}

// Squared distance between two rectangles; 0 when they touch or overlap.
long long Distance2(const QRect& a, const QRect& b) {
    const long long dx = std::max({0LL, static_cast<long long>(b.left()) - a.right(),
                                   static_cast<long long>(a.left()) - b.right()});
    const long long dy = std::max({0LL, static_cast<long long>(b.top()) - a.bottom(),
                                   static_cast<long long>(a.top()) - b.bottom()});
    return dx * dx + dy * dy;
}

// Moves the window inside the screen; a window larger than the screen (one that cannot shrink)
// keeps its top-left corner on it.
QRect MoveInside(QRect window, const QRect& screen) {
    const int left =
        std::max(screen.left(), std::min(window.left(), screen.right() + 1 - window.width()));
    const int top =
        std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - window.height()));
    window.moveTo(left, top);
    return window;
}

// The screen the window overlaps most; where it overlaps none, the nearest.
const QRect& LandingScreen(const QRect& window, const QList<QRect>& screens) {
    const auto rank = [&window](const QRect& screen) {
        const QRect overlap = screen.intersected(window);
        return std::pair(-static_cast<long long>(overlap.width()) * overlap.height(),
                         Distance2(window, screen));
    };
    return *std::min_element(screens.begin(), screens.end(),
                             [&rank](const QRect& a, const QRect& b) { return rank(a) < rank(b); });
}

} // namespace

QRect RectFromPlacement(const WindowPlacement& placement) {
    const int left = Bounded(placement.left);
    const int top = Bounded(placement.top);
    return {left, top, Bounded(static_cast<long long>(placement.right) - left),
            Bounded(static_cast<long long>(placement.bottom) - top)};
}

QRect FitOntoScreens(QRect window, const QList<QRect>& screens) {
    window.setWidth(std::max(window.width(), MIN_WINDOW_WIDTH));
    window.setHeight(std::max(window.height(), MIN_WINDOW_HEIGHT));
    if (screens.isEmpty()) {
        return window;
    }
    const QRect& screen = LandingScreen(window, screens);
    if (window.width() > screen.width() || window.height() > screen.height()) {
        return FitInside(window, screen);
    }
    return screen.intersects(window) ? window : MoveInside(window, screen);
}

QRect FitInside(QRect frame, const QRect& area) {
    frame.setSize(frame.size().boundedTo(area.size()));
    return MoveInside(frame, area);
}
