#pragma once
#include <QIcon>

// The application's icon in every size it is drawn at. Its image files are
// read when a size is first asked for, not when the icon is made: the window
// sets its icon before its first paint, which does not draw it.
QIcon ApplicationIcon();
