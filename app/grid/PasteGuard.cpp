#include "PasteGuard.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

bool OffersData(QClipboard::Mode mode)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
    return data && !data->formats().isEmpty();
}

class TPasteGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
                return !OffersData(QClipboard::Clipboard);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QGuiApplication::clipboard()->supportsSelection())
                return !OffersData(QClipboard::Selection);
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void GuardPasteOffers(QWidget& textWidget)
{
    auto* guard = new TPasteGuard(&textWidget);
    textWidget.installEventFilter(guard);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&textWidget))
        area->viewport()->installEventFilter(guard);
}
