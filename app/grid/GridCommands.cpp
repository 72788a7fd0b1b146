#include "GridCommands.h"

// The commands arrive with the grid's own work; until then they do nothing.
void CopyGridToClipboard(TStringGrid&) {}
void PasteClipboardIntoGrid(TStringGrid&) {}
void GridKeyDown(TStringGrid&, int, Qt::KeyboardModifiers) {}
TSampleColumns LoadSampleData(TStringGrid&) { return {}; }
void ClearGridCells(TStringGrid&) {}
void LoadClipboardPairs(TStringGrid&) {}
