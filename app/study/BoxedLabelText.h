#pragma once
// A label that shows a text of any length and any characters inside its
// laid-out box without growing: wrapped over the box's lines, the last line
// cut with "…". The label keeps its whole text (what it says to the runner's
// dump and to a screen reader); only the drawing is fitted, and a shortened
// text is shown whole in the tooltip.
#include <QStringList>

class QFont;
class QLabel;

struct TFittedText {
    QStringList Lines;
    bool Shortened = false;  // something of the text is not shown as written
};

// Line breaks of any kind begin a new line; the last line takes the rest.
TFittedText FitTextInBox(const QString& text, const QFont& font, int width, int lineCount);

// From now on the label draws its text fitted into its box.
void KeepTextInsideBox(QLabel& label);
// The label draws its text as a plain label does again.
void ReleaseTextFromBox(QLabel& label);
