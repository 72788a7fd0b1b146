#include "GridKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include "StringGrid.h"

namespace {

// A user's keys go to the control with the focus: the open cell editor, or
// else the grid, which the user has clicked into first.
QWidget* KeyTarget(TStringGrid& grid)
{
    if (QLineEdit* editor = grid.InplaceEditor())
        return editor;
    if (!grid.hasFocus())
        grid.setFocus(Qt::OtherFocusReason);
    return &grid;
}

// As the platform delivers a key: a shortcut override first, then the press
// (handed on to the parent when ignored), then the release where the focus
// is now, since the press may have opened or closed the editor.
void PressAndRelease(TStringGrid& grid, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QWidget* target = KeyTarget(grid);
    QKeyEvent override(QEvent::ShortcutOverride, key, modifiers, text);
    QApplication::sendEvent(target, &override);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QWidget* focus = grid.InplaceEditor() ? grid.InplaceEditor() : QApplication::focusWidget();
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(focus ? focus : &grid, &release);
}

// The text a key produces, as the keyboard gives it: Ctrl+letter gives a
// control character, which no text field inserts.
QString KeyText(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::AltModifier)
        return {};
    if (modifiers & Qt::ControlModifier)
        return key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key - Qt::Key_A + 1)) : QString();
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        const QString text(QChar(static_cast<char16_t>(key)));
        return (modifiers & Qt::ShiftModifier) ? text : text.toLower();
    }
    switch (key) {
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    default: return {};
    }
}

}  // namespace

bool SendGridKey(TStringGrid& grid, const QString& sequence)
{
    const QKeySequence keys = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (keys.count() != 1 || keys[0].key() == Qt::Key_unknown)
        return false;
    const QKeyCombination combination = keys[0];
    const int key = combination.key();
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    PressAndRelease(grid, key, modifiers, KeyText(key, modifiers));
    return true;
}

void TypeIntoGrid(TStringGrid& grid, const QString& text)
{
    // One key press per character (a surrogate pair is one character).
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        const char32_t code = character.toUcs4().value(0);
        switch (code) {
        case U'\t': PressAndRelease(grid, Qt::Key_Tab, Qt::NoModifier, character); continue;
        case U'\r':
        case U'\n': PressAndRelease(grid, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); continue;
        case U'\b': PressAndRelease(grid, Qt::Key_Backspace, Qt::NoModifier, character); continue;
        default: break;
        }
        // Letters are keyed by their capital, as keyboards name their keys.
        const QString upper = character.toUpper();
        const int key =
            upper.size() == character.size() ? static_cast<int>(upper.toUcs4().value(0)) : static_cast<int>(code);
        const bool shifted = character != character.toLower();
        PressAndRelease(grid, key, shifted ? Qt::ShiftModifier : Qt::NoModifier, character);
    }
}
