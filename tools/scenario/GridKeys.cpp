#include "GridKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include "grid/StringGrid.h"

namespace {

QWidget* KeyTarget(TStringGrid& grid)
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && grid.isAncestorOf(focus))
        return focus;
    return &grid;
}

void PressAndRelease(TStringGrid& grid, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(KeyTarget(grid), &press);
    // The press may have opened or closed the editor: the release goes where focus is now.
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(KeyTarget(grid), &release);
}

}  // namespace

bool SendGridKey(TStringGrid& grid, const QString& sequence)
{
    const QKeySequence keys = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (keys.isEmpty() || keys[0].key() == Qt::Key_unknown)
        return false;
    const QKeyCombination combination = keys[0];
    const int key = combination.key();
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    QString text;
    if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
        if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
            text = (modifiers & Qt::ShiftModifier) ? QString(QChar(key)) : QString(QChar(key)).toLower();
        else if (key == Qt::Key_Backspace)
            text = QStringLiteral("\b");
        else if (key == Qt::Key_Return || key == Qt::Key_Enter)
            text = QStringLiteral("\r");
    }
    PressAndRelease(grid, key, modifiers, text);
    return true;
}

void TypeIntoGrid(TStringGrid& grid, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.isLetter() && c.unicode() < 128 ? int(c.toUpper().unicode())
                        : c.unicode() < 128              ? int(c.unicode())
                                                         : int(Qt::Key_unknown);
        PressAndRelease(grid, key, Qt::NoModifier, QString(c));
    }
}
