#include "FileDrops.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

namespace {

class TFileDropRefusal : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            if (static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
                event->ignore();
                return true;
            }
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void RefuseFileDropsAsText(QWidget& form)
{
    auto* refusal = new TFileDropRefusal(&form);
    for (QLineEdit* edit : form.findChildren<QLineEdit*>())
        edit->installEventFilter(refusal);
    for (QAbstractScrollArea* area : form.findChildren<QAbstractScrollArea*>()) {
        area->installEventFilter(refusal);
        area->viewport()->installEventFilter(refusal);
    }
}
