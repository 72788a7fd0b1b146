#include "InplaceEdit.h"

#include <QKeyEvent>

#include <limits>

#include "PasteGuard.h"
#include "StringGrid.h"

TInplaceEditDelegate::TInplaceEditDelegate(TStringGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* TInplaceEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    // No length limit: opening the editor must not cut a long cell text.
    editor->setMaxLength(std::numeric_limits<int>::max());
    GuardPasteOffers(*editor);
    const int col = index.column(), row = index.row();
    TStringGrid* grid = &grid_;
    connect(editor, &QLineEdit::textChanged, editor,
            [grid, col, row](const QString& text) { grid->SetCells(col, row, text); });
    grid_.EditorCreated(editor, grid_.Cells(col, row));
    return editor;
}

void TInplaceEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* edit = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    // The editor's own changes come back here; they must not disturb typing.
    if (edit->text() == text)
        return;
    edit->setText(text);
    edit->selectAll();
}

void TInplaceEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
}

void TInplaceEditDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    constexpr qsizetype ShownCharacters = 1000;
    if (option->text.size() > ShownCharacters)
        option->text.truncate(ShownCharacters);
}

bool TInplaceEditDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return grid_.EditorKeyPress(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::ShortcutOverride)
        return false;
    return QStyledItemDelegate::eventFilter(object, event);
}
