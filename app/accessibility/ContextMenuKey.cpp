#include "ContextMenuKey.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class TShiftF10 : public QObject {
public:
    TShiftF10(QWidget& widget, std::function<QPoint()> at) : QObject(&widget), widget_(widget), at_(std::move(at)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &widget_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        // The override only claims the key from the menu bar; the press opens the menu.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            OpenContextMenuByKeyboard(widget_, at_());
        return true;
    }

private:
    QWidget& widget_;
    std::function<QPoint()> at_;
};

}  // namespace

void OpenContextMenuByKeyboard(QWidget& widget, QPoint at)
{
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &menu);
}

void OpenContextMenuOnShiftF10(QWidget& widget, std::function<QPoint()> at)
{
    widget.installEventFilter(new TShiftF10(widget, std::move(at)));
}
