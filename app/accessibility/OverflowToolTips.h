#pragma once
// A field narrower than its text shows the whole text as its tooltip, so that
// a long result can be read without selecting and scrolling it.
class QLineEdit;
class QWidget;

// Keeps the tooltip of one field up to date with its text.
void ShowOverflowAsToolTip(QLineEdit& field);

// The same for every edit field of the window.
void ShowOverflowAsToolTips(QWidget& form);
