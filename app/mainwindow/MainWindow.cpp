#include "MainWindow.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>

#include "ApplicationIcon.h"
#include "ChartContextMenus.h"
#include "FileDialogs.h"
#include "MainMenu.h"
#include "StringGrid.h"
#include "Unit1.h"
#include "WindowPlacement.h"

TMainWindow::TMainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("FormScrollArea"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(false);
    // The scroll area follows the focused control; it never takes the focus itself.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    form_ = new TForm1;
    scrollArea_->setWidget(form_);
    setCentralWidget(scrollArea_);
    setWindowTitle(form_->windowTitle());
    setWindowIcon(ApplicationIcon());
    fileDialogs_ = std::make_unique<TQtFileDialogs>(this);
    BuildMainMenu(*this, *form_);
    AddChartContextMenus(*form_, [this]() -> TFileDialogs& { return FileDialogs(); });
    // Typing and F2 go to the grid's current cell from the first key on.
    form_->StringGrid1()->setFocus(Qt::OtherFocusReason);
    focusFollower_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FollowFocus(now); });
}

// The form's controls lose the focus while the base classes destroy them; by then
// this window is no longer one to follow it.
TMainWindow::~TMainWindow() { disconnect(focusFollower_); }

void TMainWindow::SetFileDialogs(std::unique_ptr<TFileDialogs> dialogs) { fileDialogs_ = std::move(dialogs); }

void TMainWindow::FollowFocus(QWidget* focused)
{
    if (focused && form_->isAncestorOf(focused))
        scrollArea_->ensureWidgetVisible(focused, 0, 0);
}

void TMainWindow::ShowPlaced()
{
    const QSize natural(form_->width(), form_->height() + menuBar()->sizeHint().height());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    // The frame is known only once the window exists; a typical title bar and border stand in.
    const QMargins frame = available.isEmpty() ? QMargins() : QMargins(4, 30, 4, 4);
    const TWindowPlacement placement = PlaceWindow(available, natural, frame);
    setGeometry(placement.Geometry);
    if (placement.Maximized)
        showMaximized();
    else
        show();
}
