#include "ResultFieldStart.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include "WindowFields.h"

namespace {

class TStartOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (!field || event->type() != QEvent::FocusIn)
            return false;
        // A click puts the caret where the user clicked; every other way in shows the start.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            return false;
        field->event(event);
        const qsizetype length = field->text().size();
        if (field->hasSelectedText() && field->selectedText().size() == length)
            field->setSelection(static_cast<int>(length), -static_cast<int>(length));
        else
            field->setCursorPosition(0);
        return true;
    }
};

}  // namespace

void ShowStartOfResultFields(QWidget& form)
{
    auto* filter = new TStartOnFocus(&form);
    for (const TWindowField* field : WindowFields()) {
        if (field->Role != TFieldRole::Result)
            continue;
        const QString name = QString::fromUtf8(field->Control.data(), static_cast<qsizetype>(field->Control.size()));
        if (auto* edit = form.findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly))
            edit->installEventFilter(filter);
    }
}
