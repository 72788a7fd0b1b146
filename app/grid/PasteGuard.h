#pragma once
// With no program owning the X clipboard (or the primary selection) the
// clipboard offers a paste with no data formats at all, and Qt's text boxes
// crash on it. The guard swallows Ctrl+V, Shift+Insert and the middle click
// while the clipboard offers nothing; a paste of real data passes through.
class QWidget;

// Guards the text widget and, for a scrolling text box, its viewport.
void GuardPasteOffers(QWidget& textWidget);
