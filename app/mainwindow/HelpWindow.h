#pragma once
// A short guide to the window, opened from 帮助 → 使用说明 beside the window.
class QWidget;

// Shows the guide (created once, then raised); returns it.
QWidget* ShowHelpWindow(QWidget& owner);

// The guide's text as HTML, with the decimal separator now in use.
class QString;
QString HelpText();
