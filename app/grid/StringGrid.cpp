#include "StringGrid.h"

#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QUndoStack>

#include <algorithm>

#include "GridCommands.h"
#include "GridModel.h"
#include "GridUndo.h"
#include "InplaceEdit.h"

namespace {

bool IsTypedCharacter(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event->key() == Qt::Key_Backspace)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127;
}

}  // namespace

TStringGrid::TStringGrid(QWidget* parent)
    : QTableView(parent),
      model_(new TGridModel(this)),
      delegate_(new TInplaceEditDelegate(*this)),
      undoStack_(new QUndoStack(this))
{
    setModel(model_);
    setItemDelegate(delegate_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Each section holds its cell and the grid line after it.
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(DefaultColWidth + GridLineWidth);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight + GridLineWidth);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // The grid opens its editor itself; Tab leaves the grid.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled);
    SetCurrentCell(0, 0);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { KeepCursorInside(); });
    connect(model_, &QAbstractItemModel::columnsRemoved, this, [this] { KeepCursorInside(); });
}

TStringGrid::~TStringGrid() { model_->StopRecording(); }

// Undo steps

void TStringGrid::AsOneStep(const QString& name, const std::function<void()>& change)
{
    BeginStep(name);
    try {
        change();
    } catch (...) {
        // What was written before the error can be undone, too.
        EndStep();
        throw;
    }
    EndStep();
}

void TStringGrid::BeginStep(const QString& name)
{
    // A step inside a cell edit ends the edit's own step first.
    FinishStep();
    pendingStep_ = std::make_unique<TGridChange>();
    pendingStepName_ = name;
    model_->StartRecording(pendingStep_.get());
}

void TStringGrid::FinishStep()
{
    if (!pendingStep_)
        return;
    model_->StopRecording();
    std::unique_ptr<TGridChange> change = std::move(pendingStep_);
    if (!change->ChangesNothing())
        undoStack_->push(new TGridUndoCommand(*model_, std::move(*change), pendingStepName_));
}

void TStringGrid::EndStep()
{
    FinishStep();
    RestartEdit();
}

void TStringGrid::RestartEdit()
{
    if (!EditorMode())
        return;
    // A grid step ended the edit: what was typed before it is an undo step of
    // its own, so Esc takes back only what is typed from now on.
    textBeforeEditing_ = editor_->text();
    BeginStep(EditStepName);
}

void TStringGrid::Undo()
{
    FinishStep();
    undoStack_->undo();
    RestartEdit();
}

void TStringGrid::Redo()
{
    FinishStep();
    undoStack_->redo();
    RestartEdit();
}

void TStringGrid::KeepCursorInside()
{
    // No command may reach a cell the user cannot see: the anchor and the
    // current cell follow the counts when they shrink.
    anchorCol_ = std::min(anchorCol_, ColCount() - 1);
    anchorRow_ = std::min(anchorRow_, RowCount() - 1);
    MoveCurrent(model_->index(std::min(Row(), RowCount() - 1), std::min(Col(), ColCount() - 1)), true);
}

int TStringGrid::ColCount() const { return model_->ColCount(); }
int TStringGrid::RowCount() const { return model_->RowCount(); }
void TStringGrid::SetColCount(int count) { model_->SetCounts(std::max(count, 1), model_->RowCount()); }
void TStringGrid::SetRowCount(int count) { model_->SetCounts(model_->ColCount(), std::max(count, 1)); }

QString TStringGrid::Cells(int col, int row) const { return model_->Cell(col, row); }
void TStringGrid::SetCells(int col, int row, const QString& text) { model_->SetCell(col, row, text); }
std::vector<TStoredCell> TStringGrid::StoredCells() const { return model_->StoredCells(); }

int TStringGrid::Col() const { return currentIndex().isValid() ? currentIndex().column() : 0; }
int TStringGrid::Row() const { return currentIndex().isValid() ? currentIndex().row() : 0; }

void TStringGrid::SetCurrentCell(int col, int row) { MoveCurrent(model_->index(row, col), false); }

QRect TStringGrid::Selection() const
{
    const int col = Col(), row = Row();
    return QRect(QPoint(std::min(col, anchorCol_), std::min(row, anchorRow_)),
                 QPoint(std::max(col, anchorCol_), std::max(row, anchorRow_)));
}

void TStringGrid::MoveCurrent(const QModelIndex& to, bool keepAnchor)
{
    if (!to.isValid())
        return;
    if (!keepAnchor || anchorCol_ >= ColCount() || anchorRow_ >= RowCount()) {
        anchorCol_ = to.column();
        anchorRow_ = to.row();
    }
    selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
    const QRect range = Selection();
    selectionModel()->select(
        QItemSelection(model_->index(range.top(), range.left()), model_->index(range.bottom(), range.right())),
        QItemSelectionModel::ClearAndSelect);
    scrollTo(to);
}

// The editor

QLineEdit* TStringGrid::InplaceEditor() const { return editor_ && !editor_->isHidden() ? editor_.data() : nullptr; }

void TStringGrid::EditorCreated(QLineEdit* editor, const QString& cellText)
{
    editor_ = editor;
    textBeforeEditing_ = cellText;
    // Each finished cell edit is one undo step.
    BeginStep(EditStepName);
}

void TStringGrid::ShowEditor(TEditorSelection selection)
{
    if (!EditorMode() && !edit(currentIndex(), QAbstractItemView::AllEditTriggers, nullptr))
        return;
    QLineEdit* editor = InplaceEditor();
    if (!editor)
        return;
    if (selection == TEditorSelection::esAll) {
        editor->selectAll();
    } else {
        editor->deselect();
        editor->end(false);
    }
}

void TStringGrid::HideEditor()
{
    if (QLineEdit* editor = InplaceEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint)
{
    if (editor == editor_)
        editor_ = nullptr;
    // Tab and Enter are the grid's own keys: the editor never moves on by itself.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    FinishStep();
}

void TStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    const bool editing = EditorMode();
    QTableView::currentChanged(current, previous);
    // The open editor moves with the current cell.
    if (editing && current.isValid())
        ShowEditor(TEditorSelection::esAll);
}

// Keys

void TStringGrid::FireKeyDown(const QKeyEvent* event)
{
    if (OnKeyDown)
        OnKeyDown(event->key(), event->modifiers());
}

bool TStringGrid::MoveByKey(const QKeyEvent* event)
{
    CursorAction action;
    switch (event->key()) {
    case Qt::Key_Up: action = MoveUp; break;
    case Qt::Key_Down: action = MoveDown; break;
    case Qt::Key_Left: action = MoveLeft; break;
    case Qt::Key_Right: action = MoveRight; break;
    case Qt::Key_PageUp: action = MovePageUp; break;
    case Qt::Key_PageDown: action = MovePageDown; break;
    case Qt::Key_Home: action = MoveHome; break;
    case Qt::Key_End: action = MoveEnd; break;
    default: return false;
    }
    const QModelIndex to = moveCursor(action, event->modifiers());
    // Shift and the arrow keys select a range: the anchor stays.
    MoveCurrent(to.isValid() ? to : currentIndex(), event->modifiers() & Qt::ShiftModifier);
    return true;
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    FireKeyDown(event);
    event->accept();
    if (MoveByKey(event))
        return;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (EditorMode())
            HideEditor();
        else
            ShowEditor(TEditorSelection::esAll);
        return;
    case Qt::Key_F2: ShowEditor(TEditorSelection::esCaretAtEnd); return;
    case Qt::Key_Delete:
        if (!EditorMode()) {
            AsOneStep(QStringLiteral("删除"), [this] { ClearSelectedCells(*this); });
            return;
        }
        break;
    default: break;
    }
    // A typed character opens the editor with the whole text selected and
    // replaces it; Backspace empties it.
    if (!EditorMode() && IsTypedCharacter(event)) {
        ShowEditor(TEditorSelection::esAll);
        if (QLineEdit* editor = InplaceEditor()) {
            if (event->key() == Qt::Key_Backspace)
                editor->backspace();
            else
                editor->insert(event->text());
        }
        return;
    }
    // Everything else, Ctrl+C and Ctrl+V included, the grid itself ignores.
    event->ignore();
}

bool TStringGrid::EditorKeyPress(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End: return false;  // caret movement inside the text
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: keyPressEvent(event); return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        HideEditor();
        focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return true;
    default: break;
    }
    const QPointer<QLineEdit> editor = editor_;
    FireKeyDown(event);
    // The handler may have ended editing (an error message takes the focus).
    if (!editor || editor != InplaceEditor())
        return true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: HideEditor(); return true;
    case Qt::Key_Escape:
        // Esc takes back the edit: the cell gets the text it had when the editor opened.
        editor->setText(textBeforeEditing_);
        HideEditor();
        return true;
    case Qt::Key_F2:
        editor->deselect();
        editor->end(false);
        return true;
    case Qt::Key_Z:
    case Qt::Key_Y:
        // The handler has undone or redone a grid step; the editor's own
        // undo would take back the text the grid just put there.
        return (event->modifiers() & Qt::ControlModifier) != 0;
    case Qt::Key_V:
        // The handler has pasted the clipboard into the grid from this cell and
        // the editor shows the cell's new text: pasting the whole clipboard text
        // into the cell a second time would spoil it.
        return (event->modifiers() & Qt::ControlModifier) != 0;
    default: return false;
    }
}

void TStringGrid::inputMethodEvent(QInputMethodEvent* event)
{
    // Text composed by an input method is typing, too.
    if (!EditorMode() && !event->commitString().isEmpty()) {
        ShowEditor(TEditorSelection::esAll);
        if (QLineEdit* editor = InplaceEditor())
            editor->insert(event->commitString());
        event->accept();
        return;
    }
    QTableView::inputMethodEvent(event);
}

// Mouse: a click makes a cell current, a click on the current cell opens its
// editor; dragging selects nothing.

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
    const QModelIndex at = indexAt(event->position().toPoint());
    event->accept();
    if (event->button() != Qt::LeftButton || !at.isValid())
        return;
    if (at == currentIndex() && !EditorMode())
        ShowEditor(TEditorSelection::esAll);
    else
        MoveCurrent(at, false);
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }
void TStringGrid::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void TStringGrid::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
