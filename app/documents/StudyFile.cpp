#include "StudyFile.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

#include "ExtendedWindow.h"
#include "GridCommands.h"
#include "NumberSettings.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

const char* const InputFields[] = {"Edit6", "Edit7", "Edit8", "Edit32"};

QWidget* ExtendedWindowOf(const TForm1& form) { return form.findChild<QWidget*>(QStringLiteral("ExtendedAnalysis")); }

}  // namespace

TStudy CaptureStudy(const TForm1& form)
{
    TStudy study;
    const TStringGrid& grid = *form.StringGrid1();
    study.ColCount = grid.ColCount();
    study.RowCount = grid.RowCount();
    for (const TStoredCell& cell : grid.StoredCells())
        study.Cells.push_back({cell.Col, cell.Row, cell.Text});
    std::sort(study.Cells.begin(), study.Cells.end(), [](const TStudyCell& a, const TStudyCell& b) {
        return std::pair(a.Row, a.Col) < std::pair(b.Row, b.Col);
    });
    for (const char* name : InputFields)
        study.Inputs[QLatin1String(name)] = form.Edit(QLatin1String(name))->text();
    study.DecimalSeparator = QString::fromStdString(NumberSettings().DecimalSeparator);
    if (const QWidget* extended = ExtendedWindowOf(form)) {
        for (const QComboBox* box : extended->findChildren<QComboBox*>())
            if (!box->objectName().isEmpty())
                study.Extended[box->objectName()] = box->currentData().toString();
        for (const QLineEdit* edit : extended->findChildren<QLineEdit*>())
            if (!edit->objectName().isEmpty() && !qobject_cast<QComboBox*>(edit->parentWidget()))
                study.Extended[edit->objectName()] = edit->text();
    }
    return study;
}

void ApplyStudy(TForm1& form, const TStudy& study)
{
    TStringGrid& grid = *form.StringGrid1();
    grid.AsOneStep(QStringLiteral("打开"), [&] {
        ClearGridCells(grid);
        grid.SetColCount(study.ColCount);
        grid.SetRowCount(study.RowCount);
        for (const TStudyCell& cell : study.Cells)
            grid.SetCells(cell.Col, cell.Row, cell.Text);
    });
    for (auto it = study.Inputs.cbegin(); it != study.Inputs.cend(); ++it)
        form.Edit(it.key())->setText(it.value());
    if (study.Extended.isEmpty())
        return;
    ShowExtendedAnalysis(form);
    if (QWidget* extended = ExtendedWindowOf(form)) {
        for (QComboBox* box : extended->findChildren<QComboBox*>())
            if (study.Extended.contains(box->objectName())) {
                const int index = box->findData(study.Extended.value(box->objectName()).toString());
                if (index >= 0)
                    box->setCurrentIndex(index);
            }
        for (QLineEdit* edit : extended->findChildren<QLineEdit*>())
            if (study.Extended.contains(edit->objectName()))
                edit->setText(study.Extended.value(edit->objectName()).toString());
    }
}
