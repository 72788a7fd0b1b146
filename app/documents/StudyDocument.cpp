#include "StudyDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLineEdit>
#include <QSettings>
#include <QUndoStack>

#include "FileDialogs.h"
#include "FileError.h"
#include "GridCommands.h"
#include "ImportBox.h"
#include "NumberSettings.h"
#include "SafeFile.h"
#include "StringGrid.h"
#include "StudyFile.h"
#include "Unit1.h"
#include "UserPlaces.h"

namespace {

constexpr int RecentCount = 8;
// The recovery copy follows the last change after this pause.
constexpr int RecoveryDelayMs = 3000;
// A study file larger than this is not a study of 100,000 cells.
constexpr qint64 MaxStudyBytes = qint64(64) << 20;

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

[[noreturn]] void Refuse(const QString& path, const QString& why)
{
    throw TFileError(QStringLiteral("无法打开“%1”：%2").arg(FileName(path), why).toStdString());
}

QByteArray StudyBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Refuse(path, file.exists() ? QStringLiteral("没有读取权限") : QStringLiteral("文件不存在"));
    if (file.size() > MaxStudyBytes)
        Refuse(path, QStringLiteral("文件大于 %1 MiB，不是本程序的研究文件").arg(MaxStudyBytes >> 20));
    return file.readAll();
}

bool IsStudyFile(const QString& path) { return path.endsWith(QLatin1String(".cpkx"), Qt::CaseInsensitive); }

}  // namespace

TStudyDocument::TStudyDocument(TForm1& form, std::function<TFileDialogs&()> dialogs, QObject* parent)
    : QObject(parent),
      form_(form),
      dialogs_(std::move(dialogs)),
      importBox_(std::make_unique<TGuessingImportBox>())
{
    recent_ = UserSettings()->value(QStringLiteral("recentFiles")).toStringList();
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(RecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, [this] { WriteRecoveryCopy(); });
    Watch();
}

TStudyDocument::~TStudyDocument() = default;

void TStudyDocument::SetImportBox(std::unique_ptr<TImportBox> box) { importBox_ = std::move(box); }

void TStudyDocument::Watch()
{
    TStringGrid& grid = *form_.StringGrid1();
    QAbstractItemModel* model = grid.model();
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { MarkModified(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { MarkModified(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { MarkModified(); });
    connect(model, &QAbstractItemModel::columnsInserted, this, [this] { MarkModified(); });
    connect(model, &QAbstractItemModel::columnsRemoved, this, [this] { MarkModified(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { MarkModified(); });
    connect(grid.UndoStack(), &QUndoStack::indexChanged, this, [this] { MarkModified(); });
    for (const char* name : {"Edit6", "Edit7", "Edit8", "Edit32"})
        connect(form_.Edit(QLatin1String(name)), &QLineEdit::textChanged, this, [this] { MarkModified(); });
}

QString TStudyDocument::TitleName() const
{
    if (path_.isEmpty() && !modified_)
        return {};
    const QString name = path_.isEmpty() ? QStringLiteral("未命名") : FileName(path_);
    return modified_ ? name + QLatin1Char('*') : name;
}

void TStudyDocument::MarkModified()
{
    if (loading_)
        return;
    recoveryTimer_.start();
    if (modified_)
        return;
    modified_ = true;
    emit Changed();
}

void TStudyDocument::SetSaved(const QString& path)
{
    path_ = path;
    modified_ = false;
    recoveryTimer_.stop();
    RemoveRecoveryCopy();
    AddRecent(path);
}

void TStudyDocument::WriteRecoveryCopy()
{
    if (!modified_)
        return;
    const QString path = RecoveryCopyPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QJsonObject copy = QJsonDocument::fromJson(StudyJson(CaptureStudy(form_))).object();
    copy[QStringLiteral("recoveredFrom")] = path_;
    try {
        WriteFileSafely(path, QJsonDocument(copy).toJson(QJsonDocument::Compact));
    } catch (const std::exception&) {
        // A recovery copy that cannot be written must not interrupt the work.
    }
}

void TStudyDocument::RemoveRecoveryCopy() { QFile::remove(RecoveryCopyPath()); }

void TStudyDocument::OfferRecovery()
{
    const QString path = RecoveryCopyPath();
    if (!QFileInfo::exists(path))
        return;
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(MaxStudyBytes) : QByteArray();
    TStudy study;
    try {
        study = ParseStudy(bytes, FileName(path));
    } catch (const TFileError&) {
        RemoveRecoveryCopy();  // a copy cut off by the crash itself holds nothing to offer
        return;
    }
    const QString from = QJsonDocument::fromJson(bytes).object().value(QStringLiteral("recoveredFrom")).toString();
    const TQuestion question{form_.ApplicationTitleText(),
                             QStringLiteral("恢复未保存的数据？\n上次退出前%1有未保存的更改。")
                                 .arg(from.isEmpty() ? QString() : QStringLiteral("“%1”").arg(FileName(from))),
                             {QStringLiteral("恢复"), QStringLiteral("丢弃")},
                             0,
                             0};
    if (form_.AskQuestion(question) != 0) {
        RemoveRecoveryCopy();
        return;
    }
    loading_ = true;
    ApplyStudy(form_, WithDecimalSeparator(study, QString::fromStdString(NumberSettings().DecimalSeparator)));
    info_ = study.Info;
    loading_ = false;
    path_ = from;
    modified_ = true;
    emit Changed();
}

void TStudyDocument::AddRecent(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent_.removeAll(absolute);
    recent_.prepend(absolute);
    while (recent_.size() > RecentCount)
        recent_.removeLast();
    UserSettings()->setValue(QStringLiteral("recentFiles"), recent_);
    emit Changed();
}

void TStudyDocument::Open()
{
    const auto chosen = dialogs_().ChooseOpenFile(
        QStringLiteral("打开"),
        {QStringLiteral("研究文件和数据文件 (*.cpkx *.csv *.tsv *.txt *.xlsx *.ods *.xls)"),
         QStringLiteral("CPK-X-R 研究文件 (*.cpkx)"), QStringLiteral("数据文件 (*.csv *.tsv *.txt *.xlsx *.ods *.xls)"),
         QStringLiteral("所有文件 (*)")});
    if (chosen)
        OpenPath(*chosen);
}

void TStudyDocument::OpenPath(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        if (recent_.removeAll(QFileInfo(path).absoluteFilePath()) > 0) {
            UserSettings()->setValue(QStringLiteral("recentFiles"), recent_);
            emit Changed();
        }
        Refuse(path, QStringLiteral("文件不存在"));
    }
    if (IsStudyFile(path))
        OpenStudy(path);
    else
        ImportData(path);
}

void TStudyDocument::OpenStudy(const QString& path)
{
    const TStudy study = ParseStudy(StudyBytes(path), FileName(path));
    if (!ConfirmClose())
        return;
    loading_ = true;
    ApplyStudy(form_, WithDecimalSeparator(study, QString::fromStdString(NumberSettings().DecimalSeparator)));
    info_ = study.Info;
    loading_ = false;
    SetSaved(path);
    ComputeOpened();
}

// The results are computed from what was opened, as they were when it was saved.
void TStudyDocument::ComputeOpened()
{
    if (form_.StringGrid1()->StoredCells().empty())
        return;
    form_.ClickButton(QStringLiteral("Button3"));
}

void TStudyDocument::ImportData(const QString& path)
{
    TImportSession session(path, QString::fromStdString(NumberSettings().DecimalSeparator));
    if (!importBox_->Confirm(session))
        return;
    lastImport_ = session.Record();
    const std::vector<std::vector<std::string>> cells = session.Cells();
    std::size_t cols = 0;
    for (const auto& row : cells)
        cols = std::max(cols, row.size());
    if (cols == 0)
        Refuse(path, QStringLiteral("所选的行和列中没有数据"));
    TStringGrid& grid = *form_.StringGrid1();
    grid.AsOneStep(QStringLiteral("导入"), [&] {
        ClearGridCells(grid);
        if (cols > std::size_t(grid.ColCount()) || cells.size() > std::size_t(grid.RowCount())) {
            const TGridCounts counts = EnlargedCounts(grid, cols, cells.size());
            const TQuestion question{form_.ApplicationTitleText(),
                                     QStringLiteral("导入的数据有 %1 列 × %2 行，表格只有 %3 列 × %4 行。")
                                             .arg(cols)
                                             .arg(cells.size())
                                             .arg(grid.ColCount())
                                             .arg(grid.RowCount()) +
                                         (counts.Cols < cols || counts.Rows < cells.size()
                                              ? QStringLiteral("\n表格最多扩大到 %1 个单元格，扩大后仍有部分值放不下。")
                                                    .arg(MaxEnlargedCells)
                                              : QString()),
                                     {QStringLiteral("扩大表格"), QStringLiteral("只导入表格内的部分")},
                                     0,
                                     1};
            if (form_.AskQuestion(question) == 0) {
                grid.SetColCount(int(counts.Cols));
                grid.SetRowCount(int(counts.Rows));
            }
        }
        const std::size_t rows = std::min(cells.size(), std::size_t(grid.RowCount()));
        for (std::size_t r = 0; r < rows; ++r)
            for (std::size_t c = 0; c < cells[r].size() && c < std::size_t(grid.ColCount()); ++c)
                if (!cells[r][c].empty())
                    grid.SetCells(int(c), int(r), QString::fromStdString(cells[r][c]));
    });
    AddRecent(path);
}

bool TStudyDocument::Save()
{
    if (path_.isEmpty())
        return SaveAs();
    SaveTo(path_);
    return true;
}

bool TStudyDocument::SaveAs()
{
    const QString suggested = path_.isEmpty() ? QStringLiteral("未命名.cpkx") : path_;
    const auto chosen =
        dialogs_().ChooseSaveFile({QStringLiteral("另存为"), suggested, {QStringLiteral("CPK-X-R 研究文件 (*.cpkx)")}});
    if (!chosen)
        return false;
    SaveTo(*chosen);
    return true;
}

void TStudyDocument::SaveTo(const QString& path)
{
    WriteFileSafely(path, StudyJson(CaptureStudy(form_)));
    SetSaved(path);
}

bool TStudyDocument::ConfirmClose()
{
    if (!modified_)
        return true;
    const QString name = path_.isEmpty() ? QStringLiteral("未命名") : FileName(path_);
    const TQuestion question{form_.ApplicationTitleText(),
                             QStringLiteral("是否保存对“%1”的更改？").arg(name),
                             {QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消")},
                             0,
                             2};
    switch (form_.AskQuestion(question)) {
    case 0: {
        bool saved = false;
        form_.RunCommand([&] { saved = Save(); });
        return saved;
    }
    case 1: return true;
    default: return false;
    }
}
