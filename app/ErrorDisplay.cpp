#include "ErrorDisplay.h"

#include <QFileInfo>
#include <QMessageBox>

std::string DisplayedErrorMessage(const std::string& message)
{
    // Byte order: every byte of a multi-byte character is above ".".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

QString ApplicationTitle(const QString& programPath)
{
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

void TMessageBoxErrorDisplay::ShowError(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent_);
    // The message quotes what the user typed; it is shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
