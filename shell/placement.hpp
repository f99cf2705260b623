#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace quellfin::shell {

// Where the top-left corner of a window's outer rectangle goes when it first shows: centred on the
// bounding rectangle of all screens, then, if a corner falls on no screen, moved onto the screen
// whose centre is nearest that point: vertically first, and horizontally only if a corner is still
// off every screen.
QPoint DesktopCentredPosition(QSize frame, const QList<QRect>& screens);

} // namespace quellfin::shell
