#include "placement.hpp"

#include <algorithm>
#include <limits>

namespace quellfin::shell {

namespace {

bool OnSomeScreen(QPoint p, const QList<QRect>& screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [p](const QRect& s) { return s.contains(p); });
}

bool AllCornersOnScreens(const QRect& r, const QList<QRect>& screens) {
    return OnSomeScreen(r.topLeft(), screens) && OnSomeScreen(r.topRight(), screens) &&
           OnSomeScreen(r.bottomLeft(), screens) && OnSomeScreen(r.bottomRight(), screens);
}

// Moves [start, start + length) into [low, low + room): first so that it ends inside, then so that
// it starts inside (a window larger than the screen keeps its top or left edge visible).
int MoveInto(int start, int length, int low, int room) {
    start = std::min(start, low + room - length);
    return std::max(start, low);
}

} // namespace

QPoint DesktopCentredPosition(QSize frame, const QList<QRect>& screens) {
    if (screens.isEmpty()) {
        return {0, 0};
    }
    QRect desktop;
    for (const QRect& s : screens) {
        desktop = desktop.united(s);
    }
    const QPoint centre = desktop.center();
    QRect window(QPoint(0, 0), frame);
    window.moveCenter(centre);
    if (AllCornersOnScreens(window, screens)) {
        return window.topLeft();
    }

    const QRect* nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect& s : screens) {
        const QPoint d = s.center() - centre;
        const qint64 distance = qint64{d.x()} * d.x() + qint64{d.y()} * d.y();
        if (distance < best) {
            best = distance;
            nearest = &s;
        }
    }
    window.moveTop(MoveInto(window.top(), window.height(), nearest->top(), nearest->height()));
    if (!AllCornersOnScreens(window, screens)) {
        window.moveLeft(MoveInto(window.left(), window.width(), nearest->left(), nearest->width()));
    }
    return window.topLeft();
}

} // namespace quellfin::shell
