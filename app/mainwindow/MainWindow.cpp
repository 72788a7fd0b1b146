#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QSessionManager>
#include <QStatusBar>
#include <QVBoxLayout>

#include <utility>

#include "ApplicationIcon.h"
#include "ChartContextMenus.h"
#include "FileDialogs.h"
#include "FileDrops.h"
#include "ImportBox.h"
#include "MainMenu.h"
#include "ResultsState.h"
#include "StringGrid.h"
#include "StudyDocument.h"
#include "StudyInfoBox.h"
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
    notices_ = new QLabel;
    notices_->setObjectName(QStringLiteral("NoticeArea"));
    notices_->setWordWrap(true);
    notices_->setTextFormat(Qt::PlainText);
    notices_->setStyleSheet(QStringLiteral("QLabel { background: #fff4ce; color: #5c4400; padding: 4px 8px; }"));
    notices_->hide();
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(notices_);
    column->addWidget(scrollArea_, 1);
    setCentralWidget(central);
    staleText_ = new QLabel;
    staleText_->setObjectName(QStringLiteral("StaleResultsText"));
    statusBar()->addWidget(staleText_, 1);
    new TResultsState(*form_);
    connect(TResultsState::Of(*form_), &TResultsState::Changed, this, [this] { ShowResultsState(); });
    setAcceptDrops(true);
    RefuseFileDropsAsText(*form_);
    setWindowTitle(form_->windowTitle());
    setWindowIcon(ApplicationIcon());
    fileDialogs_ = std::make_unique<TQtFileDialogs>(this);
    document_ = new TStudyDocument(
        *form_, [this]() -> TFileDialogs& { return FileDialogs(); }, this);
    document_->SetImportBox(std::make_unique<TDialogImportBox>(this));
    document_->SetStudyInfoBox(std::make_unique<TDialogStudyInfoBox>(this));
    connect(document_, &TStudyDocument::Changed, this, [this] { ShowResultsState(); });
    // The desktop session ending asks as closing the window does.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (manager.allowsInteraction()) {
            const bool close = document_->ConfirmClose();
            manager.release();
            if (!close)
                manager.cancel();
        }
    });
    BuildMainMenu(*this, *form_);
    AddChartContextMenus(*form_, [this]() -> TFileDialogs& { return FileDialogs(); });
    // Typing and F2 go to the grid's current cell from the first key on.
    form_->StringGrid1()->setFocus(Qt::OtherFocusReason);
    focusFollower_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FollowFocus(now); });
}

// The form's controls lose the focus while the base classes destroy them; by then
// this window is no longer one to follow it.
TMainWindow::~TMainWindow()
{
    disconnect(focusFollower_);
    // The document watches the form; it goes first.
    delete std::exchange(document_, nullptr);
}

void TMainWindow::ShowResultsState()
{
    const TResultsState& state = *TResultsState::Of(*form_);
    const bool stale = state.Stale();
    const QString name = document_ ? document_->TitleName() : QString();
    setWindowTitle((name.isEmpty() ? QString() : name + QStringLiteral(" — ")) + form_->windowTitle() +
                   (stale ? QStringLiteral("（结果已过期）") : QString()));
    staleText_->setText(stale ? QStringLiteral("结果已过期：数据或规格已更改，按 F9 重新计算") : QString());
    notices_->setText(state.Notices().join(QLatin1Char('\n')));
    notices_->setVisible(!state.Notices().isEmpty());
}

void TMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainWindow::dropEvent(QDropEvent* event)
{
    // A file dropped on the window or the grid opens as 文件 → 打开… would.
    if (!event->mimeData()->hasUrls())
        return;
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    const QString path = urls.constFirst().toLocalFile();
    if (path.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("只能打开本机上的文件"), 10000);
        return;
    }
    form_->RunCommand([this, path] { document_->OpenPath(path); });
}

void TMainWindow::closeEvent(QCloseEvent* event)
{
    if (!document_->ConfirmClose()) {
        event->ignore();
        return;
    }
    document_->RemoveRecoveryCopy();
    event->accept();
}

void TMainWindow::SetImportBox(std::unique_ptr<TImportBox> box) { document_->SetImportBox(std::move(box)); }

void TMainWindow::SetStudyInfoBox(std::unique_ptr<TStudyInfoBox> box) { document_->SetStudyInfoBox(std::move(box)); }

void TMainWindow::StartUp(const QString& file)
{
    document_->OfferRecovery();
    if (!file.isEmpty())
        form_->RunCommand([this, file] { document_->OpenPath(file); });
}

void TMainWindow::SetFileDialogs(std::unique_ptr<TFileDialogs> dialogs) { fileDialogs_ = std::move(dialogs); }

void TMainWindow::FollowFocus(QWidget* focused)
{
    if (focused && form_->isAncestorOf(focused))
        scrollArea_->ensureWidgetVisible(focused, 0, 0);
}

void TMainWindow::ShowPlaced()
{
    const QSize natural(form_->width(),
                        form_->height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
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
