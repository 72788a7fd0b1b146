#pragma once
// StringGrid1: the measurement grid, a table view over sparse cell texts with
// a current cell, keyboard range selection and in-place editing.
#include <QPointer>
#include <QTableView>

#include <functional>
#include <memory>
#include <vector>

#include "GridCells.h"

class QLineEdit;
class QUndoStack;
struct TGridChange;
class TGridModel;
class TInplaceEditDelegate;

// How the opened cell editor presents the text.
enum class TEditorSelection { esAll, esCaretAtEnd };

class TStringGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int DefaultColWidth = 64;
    static constexpr int DefaultRowHeight = 24;
    static constexpr int GridLineWidth = 1;

    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    int ColCount() const;
    int RowCount() const;
    // A count of 0 or less gives 1.
    void SetColCount(int count);
    void SetRowCount(int count);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    std::vector<TStoredCell> StoredCells() const;

    // The current cell; setting it also moves the selection anchor there.
    int Col() const;
    int Row() const;
    void SetCurrentCell(int col, int row);
    // The selected rectangle between the anchor and the current cell:
    // left and right are columns, top and bottom rows.
    QRect Selection() const;

    // The cell editor; null while it is closed.
    QLineEdit* InplaceEditor() const;
    bool EditorMode() const { return InplaceEditor() != nullptr; }
    void ShowEditor(TEditorSelection selection);
    void HideEditor();

    // Undo of grid changes: each paste, command and finished cell edit is one step.
    QUndoStack* UndoStack() const { return undoStack_; }
    // Runs change as one undo step, also when it ends with an error.
    void AsOneStep(const QString& name, const std::function<void()>& change);
    void Undo();
    void Redo();

    // The grid's key-down event (StringGrid1KeyDown): key is the virtual key
    // code (Qt::Key_C for the letter C), modifiers the keys held.
    std::function<void(int key, Qt::KeyboardModifiers modifiers)> OnKeyDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class TInplaceEditDelegate;
    void EditorCreated(QLineEdit* editor, const QString& cellText);
    // A key pressed in the open editor; true when the editor must not handle it.
    bool EditorKeyPress(QKeyEvent* event);
    void FireKeyDown(const QKeyEvent* event);
    bool MoveByKey(const QKeyEvent* event);
    void MoveCurrent(const QModelIndex& to, bool keepAnchor);
    void BeginStep(const QString& name);
    void EndStep();
    // The open editor's typing after a grid step is a new edit.
    void RestartEdit();
    void KeepCursorInside();
    // Pushes the recorded step, if it changed anything.
    void FinishStep();

    static inline const QString EditStepName = QStringLiteral("编辑单元格");

    TGridModel* model_;
    TInplaceEditDelegate* delegate_;
    QPointer<QLineEdit> editor_;
    QString textBeforeEditing_;
    QUndoStack* undoStack_;
    std::unique_ptr<TGridChange> pendingStep_;
    QString pendingStepName_;
    int anchorCol_ = 0;
    int anchorRow_ = 0;
};
