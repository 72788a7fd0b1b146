#include "WindowPlacement.h"

#include <algorithm>

TWindowPlacement PlaceWindow(const QRect& available, const QSize& natural, const QMargins& frame)
{
    if (available.isEmpty())
        return {QRect(QPoint(0, 0), natural), false};
    const QSize framed = natural.grownBy(frame);
    if (framed.width() <= available.width() && framed.height() <= available.height()) {
        QRect outer(QPoint(0, 0), framed);
        outer.moveCenter(available.center());
        outer.moveTopLeft(QPoint(std::max(outer.left(), available.left()), std::max(outer.top(), available.top())));
        return {outer.marginsRemoved(frame), false};
    }
    return {available.marginsRemoved(frame), true};
}
