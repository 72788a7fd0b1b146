#pragma once
// The system clipboard as plain text, opened only for one read or one write.
#include <QString>

// The clipboard's text; the empty text when it holds none.
QString ReadClipboardText();
void WriteClipboardText(const QString& text);
// The text together with an HTML table of the same cells (text/html).
void WriteClipboardTextAndHtml(const QString& text, const QString& html);
