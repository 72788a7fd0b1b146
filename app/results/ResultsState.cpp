#include "ResultsState.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QLineEdit>

#include "ComputeNotices.h"
#include "QuestionDisplay.h"
#include "ResultRecord.h"
#include "StringGrid.h"
#include "Unit1.h"
#include "WindowFields.h"

TResultsState::TResultsState(TForm1& form) : QObject(&form), form_(form)
{
    setObjectName(QStringLiteral("ResultsState"));
    QAbstractItemModel* grid = form.StringGrid1()->model();
    const auto changed = [this] { InputChanged(); };
    connect(grid, &QAbstractItemModel::dataChanged, this, changed);
    connect(grid, &QAbstractItemModel::rowsInserted, this, changed);
    connect(grid, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(grid, &QAbstractItemModel::columnsInserted, this, changed);
    connect(grid, &QAbstractItemModel::columnsRemoved, this, changed);
    connect(grid, &QAbstractItemModel::modelReset, this, changed);
    for (const TWindowField* field : {&Field::Usl, &Field::Target, &Field::Lsl, &Field::SubgroupSize})
        connect(form.Edit(QString::fromUtf8(field->Control.data(), static_cast<qsizetype>(field->Control.size()))),
                &QLineEdit::textChanged, this, changed);
    connect(&form, &TForm1::ComputeFinished, this, &TResultsState::Computed);
    // A change of the number settings reads every number text anew.
    form.installEventFilter(this);
}

TResultsState* TResultsState::Of(const TForm1& form)
{
    return form.findChild<TResultsState*>(QStringLiteral("ResultsState"), Qt::FindDirectChildrenOnly);
}

bool TResultsState::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        InputChanged();
    return QObject::eventFilter(watched, event);
}

void TResultsState::InputChanged()
{
    if (stale_ || !hasResults_)
        return;
    stale_ = true;
    emit Changed();
}

void TResultsState::Computed(bool completed)
{
    // A compute that stopped at an error left results of two computations.
    hasResults_ = hasResults_ || completed;
    stale_ = !completed && hasResults_;
    notices_.clear();
    if (const TarryCpk* record = CurrentCpk())
        for (const std::string& notice : ComputeNotices(form_, record->Value))
            notices_ << QString::fromStdString(notice);
    emit Changed();
}

bool ConfirmCurrentResults(TForm1& form)
{
    const TResultsState* state = TResultsState::Of(form);
    if (!state || !state->Stale())
        return true;
    const TQuestion question{form.ApplicationTitleText(),
                             QStringLiteral("数据已更改，结果已过期。先重新计算吗？"),
                             {QStringLiteral("重新计算"), QStringLiteral("仍然导出"), QStringLiteral("取消")},
                             0,
                             2};
    switch (form.AskQuestion(question)) {
    case 0: form.Button3Click(); return true;
    case 1: return true;
    default: return false;
    }
}
