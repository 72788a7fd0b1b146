#pragma once
// Undo of grid changes: each step keeps the texts of the cells it changed,
// before and after, and the column and row counts before and after.
#include <QHash>
#include <QString>
#include <QUndoCommand>

#include <vector>

class TGridModel;

struct TGridChange {
    struct TCell {
        int Col;
        int Row;
        QString Before;
        QString After;
    };
    int ColsBefore = 0, RowsBefore = 0, ColsAfter = 0, RowsAfter = 0;
    std::vector<TCell> Cells;

    // A cell changed; a cell changed twice keeps its first text as Before.
    void Note(int col, int row, const QString& before, const QString& after);
    bool ChangesNothing() const;

private:
    QHash<qint64, std::size_t> index_;
};

class TGridUndoCommand : public QUndoCommand {
public:
    // The change has been made already; the first redo does nothing.
    TGridUndoCommand(TGridModel& model, TGridChange change, const QString& name);
    void undo() override;
    void redo() override;

private:
    TGridModel& model_;
    TGridChange change_;
    bool done_ = true;
};
