#include "GridUndo.h"

#include "GridModel.h"

void TGridChange::Note(int col, int row, const QString& before, const QString& after)
{
    const qint64 key = (static_cast<qint64>(col) << 32) | static_cast<quint32>(row);
    const auto found = index_.constFind(key);
    if (found != index_.constEnd()) {
        Cells[*found].After = after;
        return;
    }
    index_.insert(key, Cells.size());
    Cells.push_back({col, row, before, after});
}

bool TGridChange::ChangesNothing() const
{
    if (ColsBefore != ColsAfter || RowsBefore != RowsAfter)
        return false;
    for (const TCell& cell : Cells)
        if (cell.Before != cell.After)
            return false;
    return true;
}

TGridUndoCommand::TGridUndoCommand(TGridModel& model, TGridChange change, const QString& name)
    : QUndoCommand(name),
      model_(model),
      change_(std::move(change))
{}

void TGridUndoCommand::undo()
{
    model_.ApplyChange(change_, false);
    done_ = false;
}

void TGridUndoCommand::redo()
{
    if (!done_)
        model_.ApplyChange(change_, true);
    done_ = true;
}
