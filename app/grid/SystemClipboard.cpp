#include "SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "Errors.h"

namespace {

QClipboard& OpenClipboard()
{
    // Without a running application there is no clipboard to reach.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw EClipboardException("Cannot open clipboard");
    return *QGuiApplication::clipboard();
}

}  // namespace

QString ReadClipboardText() { return OpenClipboard().text(QClipboard::Clipboard); }

void WriteClipboardText(const QString& text) { OpenClipboard().setText(text, QClipboard::Clipboard); }

void WriteClipboardTextAndHtml(const QString& text, const QString& html)
{
    QClipboard& clipboard = OpenClipboard();
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    clipboard.setMimeData(data, QClipboard::Clipboard);
}
