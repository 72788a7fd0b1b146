#include "StudyDialog.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr int FieldWidth = 420;
constexpr int NoteLines = 4;

}  // namespace

TStudyDialog::TStudyDialog(const TStudyInfo& info, QWidget* parent) : QDialog(parent), given_(info)
{
    setObjectName(QStringLiteral("StudyInfoDialog"));
    setWindowTitle(QStringLiteral("研究信息"));
    auto* form = new QFormLayout;
    for (const TStudyFieldInfo& field : StudyFields) {
        const QString name = QString::fromUtf8(field.Name) + QStringLiteral("：");
        const QString& text = info[field.Field];
        if (field.Field == TStudyField::Note) {
            note_ = new QPlainTextEdit;
            note_->setObjectName(QLatin1String(field.Key));
            note_->setTabChangesFocus(true);
            note_->setPlainText(text);
            note_->setFixedHeight(note_->fontMetrics().lineSpacing() * NoteLines + 2 * note_->frameWidth() + 8);
            note_->document()->setModified(false);
            form->addRow(name, note_);
            continue;
        }
        auto* line = new QLineEdit;
        line->setObjectName(QLatin1String(field.Key));
        // Qt would cut a longer text silently; the study keeps what it was given.
        line->setMaxLength(std::numeric_limits<int>::max());
        line->setMinimumWidth(FieldWidth);
        line->setText(field.Field == TStudyField::Date && text.isEmpty() ? QDate::currentDate().toString(Qt::ISODate)
                                                                         : text);
        line->setCursorPosition(0);
        lines_[field.Field] = line;
        form->addRow(name, line);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
}

TStudyInfo TStudyDialog::Info() const
{
    TStudyInfo info;
    for (const auto& [field, line] : lines_)
        info[field] = line->text();
    // The text box would give back line breaks and no-break spaces of its own;
    // a note left alone stays exactly as it was given.
    info[TStudyField::Note] = note_->document()->isModified() ? note_->toPlainText() : given_[TStudyField::Note];
    return info;
}

void TStudyDialog::SetText(TStudyField field, const QString& text)
{
    if (field == TStudyField::Note) {
        note_->setPlainText(text);
        note_->document()->setModified(true);
        return;
    }
    lines_.at(field)->setText(text);
}
