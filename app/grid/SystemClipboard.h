#pragma once
// The system clipboard as plain text, opened only for one read or one write.
#include <QString>

// The clipboard's text; the empty text when it holds none.
QString ReadClipboardText();
void WriteClipboardText(const QString& text);
