#include "FileDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// "PNG 图像 (*.png)" -> "png"
QString SuffixOfFilter(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

}  // namespace

std::optional<QString> TQtFileDialogs::ChooseSaveFile(const TSaveFileRequest& request)
{
    QFileDialog dialog(parent_, request.Caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(request.Filters);
    dialog.selectFile(request.SuggestedName);
    // A name typed without an extension takes that of the chosen type.
    dialog.setDefaultSuffix(SuffixOfFilter(request.Filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(SuffixOfFilter(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool TQtFileDialogs::ChoosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> TQtFileDialogs::ChooseOpenFile(const QString& caption, const QStringList& filters)
{
    QFileDialog dialog(parent_, caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
