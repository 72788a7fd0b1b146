// Starts the real main window, or one of its floors, and ends the process
// once the window and every widget visible in it have painted, so that the
// time from process start to a fully painted window can be measured from
// outside. The floors: a bare Qt window of the same size ("bare"); the same
// window holding one Chinese label in the window's font ("label"), the least
// any window with Chinese text has to do; and the window's own controls as
// plain Qt widgets of their kinds, places and texts, charts as empty frames,
// without menus ("widgets"), what Qt itself takes to build and paint them.
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <set>
#include <unistd.h>

#include "ApplicationFonts.h"
#include "Extended.h"
#include "FormLayout.h"
#include "LocaleSettings.h"
#include "MainWindow.h"
#include "QtTranslations.h"

namespace {

// Collects the widgets that can paint when the window first paints, crosses
// each off at its paint and ends the process after the last one has painted.
class TAllPainted : public QObject {
public:
    explicit TAllPainted(QWidget& window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() != &window_)
            return false;
        if (!started_) {
            started_ = true;
            pending_.insert(&window_);
            for (QWidget* child : window_.findChildren<QWidget*>())
                if (child->isVisible() && !child->visibleRegion().isEmpty())
                    pending_.insert(child);
            // A widget that never paints would hang the benchmark; fail instead.
            QTimer::singleShot(10000, this, [this] { Unpainted(); });
        }
        if (pending_.erase(widget) && pending_.empty())
            // Queued: the last widget paints first.
            QMetaObject::invokeMethod(
                this, [] { Painted(); }, Qt::QueuedConnection);
        return false;
    }

private:
    static void Painted()
    {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        _exit(0);
    }

    void Unpainted() const
    {
        for (const QWidget* widget : pending_)
            std::fprintf(stderr, "never painted: %s %s\n", widget->metaObject()->className(),
                         qPrintable(widget->objectName()));
        _exit(3);
    }

    QWidget& window_;
    bool started_ = false;
    std::set<QWidget*> pending_;
};

QWidget* PlainWidget(const TControlSpec& spec, QWidget& parent)
{
    const QString text = QString::fromUtf8(spec.Text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    switch (spec.Kind) {
    case TControlKind::Grid: return new QTableWidget(10, 5, &parent);
    case TControlKind::Edit: return new QLineEdit(text, &parent);
    case TControlKind::Memo: return new QPlainTextEdit(text, &parent);
    case TControlKind::Label: return new QLabel(text, &parent);
    case TControlKind::Button: return new QPushButton(text, &parent);
    case TControlKind::Chart: break;
    }
    auto* frame = new QFrame(&parent);
    frame->setFrameShape(QFrame::Box);
    return frame;
}

// A bare window of the form's size in the form's font, with the application's fonts registered.
QWidget* WindowInTheFormsFont()
{
    RegisterApplicationFonts();
    auto* window = new QWidget;
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    window->setFont(font);
    window->resize(FormClientWidth, FormClientHeight);
    return window;
}

}  // namespace

int main(int argc, char* argv[])
{
    const char* mode = argc > 1 ? argv[1] : "form";
    InitFloatingPointEnvironment();
    QApplication application(argc, argv);
    QWidget* window = nullptr;
    if (std::strcmp(mode, "bare") == 0) {
        window = new QWidget;
        window->resize(1904, 908);
    } else if (std::strcmp(mode, "label") == 0) {
        window = WindowInTheFormsFont();
        auto* label = new QLabel(QStringLiteral("总样本数："), window);
        label->move(40, 288);
    } else if (std::strcmp(mode, "widgets") == 0) {
        window = WindowInTheFormsFont();
        for (const TControlSpec& spec : FormControls()) {
            QWidget* widget = PlainWidget(spec, *window);
            widget->setGeometry(spec.Left, spec.Top, spec.Width, spec.Height);
            widget->setVisible(spec.Visible);
        }
    } else {
        RegisterApplicationFonts();
        InstallChineseQtTranslations(application);
        ReadNumberSettingsFromLocale();
        auto* mainWindow = new TMainWindow;
        TAllPainted allPainted(*mainWindow);
        application.installEventFilter(&allPainted);
        mainWindow->ShowPlaced();
        return application.exec();
    }
    TAllPainted allPainted(*window);
    application.installEventFilter(&allPainted);
    window->show();
    return application.exec();
}
