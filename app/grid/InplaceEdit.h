#pragma once
// The delegate that creates the grid's single-line cell editor. The
// editor writes every change of its text into its cell at once, so the cell
// always holds what the editor shows; a write into the cell from elsewhere
// shows the new text in the editor, all of it selected.
#include <QLineEdit>
#include <QStyledItemDelegate>

class TStringGrid;

class TInplaceEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TInplaceEditDelegate(TStringGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    // A cell shows at most the start of a very long text: laying out megabytes
    // for a 64-pixel cell would stall every repaint.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    // Key presses in the editor go to the grid first (see TStringGrid).
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TStringGrid& grid_;
};
