// The import box as a dialog: the first rows of the file and every guess,
// changeable; a change of sheet, encoding or decimal separator reads again.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "FileError.h"
#include "ImportBox.h"

namespace {

constexpr int PreviewRows = 20;

QString ColumnsText(const TImportChoice& choice)
{
    QStringList numbers;
    for (const std::size_t col : choice.Columns)
        numbers << QString::number(col + 1);
    return numbers.join(QStringLiteral(", "));
}

std::vector<std::size_t> ColumnsOf(const QString& text, std::size_t colCount)
{
    std::vector<std::size_t> columns;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("[,;\\s，、]+")), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint number = part.toUInt(&ok);
        if (ok && number >= 1 && number <= colCount)
            columns.push_back(number - 1);
    }
    return columns;
}

class TImportDialog : public QDialog {
public:
    TImportDialog(TImportSession& session, QWidget* parent) : QDialog(parent), session_(session)
    {
        setObjectName(QStringLiteral("ImportDialog"));
        setWindowTitle(QStringLiteral("导入数据"));
        auto* form = new QFormLayout;
        const TDataFile& file = session_.File();
        const bool text = file.Kind == TDataFileKind::dfText;
        form->addRow(QStringLiteral("文件："), new QLabel(QString::fromStdString(session_.Request().Path)));
        if (file.SheetNames.size() > 1) {
            sheet_ = new QComboBox;
            for (const std::string& name : file.SheetNames)
                sheet_->addItem(QString::fromStdString(name));
            sheet_->setCurrentIndex(int(file.Sheet));
            form->addRow(QStringLiteral("工作表："), sheet_);
            connect(sheet_, &QComboBox::currentIndexChanged, this, [this] { Reread(); });
        }
        if (text) {
            encoding_ = new QComboBox;
            for (const char* name : {"UTF-8", "GB18030", "UTF-16LE", "UTF-16BE"})
                encoding_->addItem(QLatin1String(name), QLatin1String(name));
            encoding_->setCurrentIndex(encoding_->findData(QString::fromStdString(file.Encoding)));
            form->addRow(QStringLiteral("编码："), encoding_);
            decimal_ = new QComboBox;
            decimal_->addItem(QStringLiteral("按文件判断"), QString());
            decimal_->addItem(QStringLiteral("."), QStringLiteral("."));
            decimal_->addItem(QStringLiteral(","), QStringLiteral(","));
            form->addRow(QStringLiteral("小数分隔符："), decimal_);
            field_ = new QComboBox;
            field_->addItem(QStringLiteral("按文件判断"), QString());
            field_->addItem(QStringLiteral("制表符"), QStringLiteral("\t"));
            field_->addItem(QStringLiteral(";"), QStringLiteral(";"));
            field_->addItem(QStringLiteral(","), QStringLiteral(","));
            field_->addItem(QStringLiteral("无（单列）"), QStringLiteral("none"));
            form->addRow(QStringLiteral("字段分隔符："), field_);
            separators_ = new QLabel;
            form->addRow(QString(), separators_);
            connect(field_, &QComboBox::currentIndexChanged, this, [this] { Reread(); });
            connect(encoding_, &QComboBox::currentIndexChanged, this, [this] { Reread(); });
            connect(decimal_, &QComboBox::currentIndexChanged, this, [this] { Reread(); });
        }
        header_ = new QSpinBox;
        header_->setRange(0, PreviewRows * 50);
        form->addRow(QStringLiteral("跳过的表头行数："), header_);
        columns_ = new QLineEdit;
        columns_->setPlaceholderText(QStringLiteral("列号，用逗号分隔，例如 2, 3, 4"));
        form->addRow(QStringLiteral("读数所在的列："), columns_);
        notice_ = new QLabel;
        notice_->setWordWrap(true);
        preview_ = new QTableWidget;
        preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* column = new QVBoxLayout(this);
        column->addLayout(form);
        column->addWidget(notice_);
        column->addWidget(preview_, 1);
        column->addWidget(buttons);
        connect(header_, &QSpinBox::valueChanged, this, [this] { Apply(); });
        connect(columns_, &QLineEdit::textChanged, this, [this] { Apply(); });
        Show();
        resize(720, 520);
    }

private:
    void Reread()
    {
        try {
            const QString decimal = decimal_ ? decimal_->currentData().toString() : QString();
            const QString field = field_ ? field_->currentData().toString() : QString();
            std::optional<char> fieldOption;
            if (!field.isEmpty())
                fieldOption = field == QLatin1String("none") ? '\0' : field.at(0).toLatin1();
            session_.Reread(sheet_ ? std::size_t(sheet_->currentIndex()) : 0,
                            encoding_ ? encoding_->currentData().toString().toStdString() : std::string(),
                            decimal.isEmpty() ? std::nullopt : std::optional(decimal.toStdString()), fieldOption);
            error_.clear();
        } catch (const TFileError& error) {
            error_ = QString::fromUtf8(error.what());
        }
        Show();
    }

    // The session's choice into the controls, then the preview.
    void Show()
    {
        showing_ = true;
        header_->setValue(int(session_.Choice.HeaderRows));
        columns_->setText(ColumnsText(session_.Choice));
        showing_ = false;
        if (separators_) {
            const char field = session_.File().FieldSeparator;
            const QString fieldName = field == '\t' ? QStringLiteral("制表符")
                                      : field       ? QString(QLatin1Char(field))
                                                    : QStringLiteral("无（单列）");
            separators_->setText(QStringLiteral("读取时使用：字段分隔符“%1”，小数分隔符“%2”")
                                     .arg(fieldName, QString::fromStdString(session_.File().FileDecimal)));
        }
        Preview();
    }

    void Apply()
    {
        if (showing_)
            return;
        session_.Choice.HeaderRows = std::size_t(header_->value());
        session_.Choice.Columns = ColumnsOf(columns_->text(), session_.File().Table.ColCount());
        Preview();
    }

    void Preview()
    {
        const TSheetTable& table = session_.File().Table;
        const auto& rows = table.Rows();
        const int shown = int(std::min<std::size_t>(rows.size(), PreviewRows));
        preview_->clear();
        preview_->setRowCount(shown);
        preview_->setColumnCount(int(std::min<std::size_t>(table.ColCount(), 200)));
        const auto chosen = [this](std::size_t col) {
            const auto& columns = session_.Choice.Columns;
            return std::find(columns.begin(), columns.end(), col) != columns.end();
        };
        for (int r = 0; r < shown; ++r)
            for (int c = 0; c < preview_->columnCount() && std::size_t(c) < rows[r].size(); ++c) {
                auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
                if (std::size_t(r) < session_.Choice.HeaderRows || !chosen(std::size_t(c)))
                    item->setForeground(Qt::gray);
                preview_->setItem(r, c, item);
            }
        QString notice = error_;
        if (table.Truncated())
            notice += QStringLiteral("文件超出表格的上限（100000 个单元格）：只读入前 %1 行。").arg(rows.size());
        if (session_.Choice.Columns.empty())
            notice += QStringLiteral("没有选择任何列。");
        notice_->setText(notice);
        notice_->setVisible(!notice.isEmpty());
    }

    TImportSession& session_;
    QComboBox* sheet_ = nullptr;
    QComboBox* encoding_ = nullptr;
    QComboBox* decimal_ = nullptr;
    QComboBox* field_ = nullptr;
    QLabel* separators_ = nullptr;
    QSpinBox* header_ = nullptr;
    QLineEdit* columns_ = nullptr;
    QLabel* notice_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QString error_;
    bool showing_ = false;
};

}  // namespace

bool TDialogImportBox::Confirm(TImportSession& session)
{
    TImportDialog dialog(session, parent_);
    return dialog.exec() == QDialog::Accepted && session.Choice.Columns.size() > 0;
}
