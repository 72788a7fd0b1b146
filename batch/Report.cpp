#include "Report.h"

#include <QLineEdit>

#include <algorithm>
#include <memory>

#include "BatchOptions.h"
#include "Errors.h"
#include "ExportInfo.h"
#include "FormReport.h"
#include "ReportPages.h"
#include "SafeFile.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

// The batch reports the error on its own standard error; in the report the
// form shows what it wrote up to the error, as the window does.
class TUnshownErrors : public TErrorDisplay {
public:
    void ShowError(const QString&, const QString&) override {}
};

void FillForm(TForm1& form, const TBatchWindow& window)
{
    for (const TWindowField* field : WindowFields())
        if (field->Role == TFieldRole::Input)
            form.Edit(QString::fromUtf8(field->Control.data(), qsizetype(field->Control.size())))
                ->setText(QString::fromStdString(window.Text(*field)));
    // The file's cells at their places in a grid at least the window's size
    // keep the reading order of the non-empty cells.
    TStringGrid& grid = *form.StringGrid1();
    grid.SetColCount(std::max(grid.ColCount(), window.ColCount()));
    grid.SetRowCount(std::max(grid.RowCount(), window.RowCount()));
    for (int row = 0; row < window.RowCount(); ++row)
        for (int col = 0; col < window.ColCount(); ++col)
            if (const std::string text = window.Cell(col, row); !text.empty())
                grid.SetCells(col, row, QString::fromStdString(text));
}

}  // namespace

void WriteReport(const TBatchWindow& window, const TStudyInfo& study, const TExtendedResult* extended,
                 const std::string& path)
{
    TForm1 form;
    form.SetErrorDisplay(std::make_unique<TUnshownErrors>());
    FillForm(form, window);
    form.ClickButton(QStringLiteral("Button3"));
    try {
        WriteFileSafely(QString::fromStdString(path),
                        ReportPdf(FormReportContent(form, study, extended), ApplicationCreator()));
    } catch (const Exception& error) {
        throw TUsageError(error.Message());
    }
}
