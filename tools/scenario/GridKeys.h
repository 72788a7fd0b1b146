#pragma once
// Key presses sent to the grid as a user at the keyboard makes them: to the
// open cell editor when there is one, else to the grid itself.
#include <QString>

class TStringGrid;

// SEQ as "Ctrl+C", "Ctrl+Shift+C", "F2", "Return", "Up", "A", ... Returns false
// when the sequence is not a key.
bool SendGridKey(TStringGrid& grid, const QString& sequence);
// One key press per character.
void TypeIntoGrid(TStringGrid& grid, const QString& text);
