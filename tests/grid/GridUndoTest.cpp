// The grid habits users expect: Esc takes back an edit, Delete clears the
// selection, and every grid change is one undo step that restores texts and
// counts exactly.
#include <QAction>
#include <QUndoStack>

#include "GridTestSupport.h"

namespace {

using TCells = std::vector<std::tuple<int, int, QString>>;

TCells CellsOf(const TStringGrid& grid)
{
    TCells cells;
    for (const TStoredCell& cell : grid.StoredCells())
        cells.emplace_back(cell.Col, cell.Row, cell.Text);
    return cells;
}

}  // namespace

using GridUndo = GridWindowTest;

TEST_F(GridUndo, EscPutsBackTheTextTheCellHadWhenTheEditorOpened)
{
    Grid().SetCells(1, 1, QStringLiteral("26.39"));
    Grid().SetCurrentCell(1, 1);
    Key("F2");
    Type(QStringLiteral("12"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("26.3912"));
    Key("Escape");
    EXPECT_EQ(Cell(1, 1), QStringLiteral("26.39"));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(form_->GridUndoStack()->count(), 0);
}

TEST_F(GridUndo, DeleteClearsTheSelectionAndIsOneStep)
{
    form_->ClickButton(QStringLiteral("Button2"));
    const TCells sample = CellsOf(Grid());
    Grid().SetCurrentCell(1, 1);
    Key("Shift+Down");
    Key("Shift+Right");
    Key("Delete");
    EXPECT_EQ(Cell(1, 1), QString());
    EXPECT_EQ(Cell(2, 2), QString());
    EXPECT_EQ(Cell(0, 1), QStringLiteral("24.52"));
    EXPECT_EQ(Cell(3, 1), QStringLiteral("30.77"));
    EXPECT_EQ(Grid().StoredCells().size(), 21u);
    Key("Ctrl+Z");
    EXPECT_EQ(CellsOf(Grid()), sample);
    Key("Ctrl+Z");
    EXPECT_TRUE(Grid().StoredCells().empty());
    Key("Ctrl+Y");
    Key("Ctrl+Shift+Z");
    EXPECT_EQ(Grid().StoredCells().size(), 21u);
}

TEST_F(GridUndo, AFinishedCellEditIsOneStep)
{
    Grid().SetCells(0, 0, QStringLiteral("old"));
    Type(QStringLiteral("25.5"));
    Key("Down");  // the editor follows: the first cell's edit is finished
    Type(QStringLiteral("7"));
    Key("Return");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("25.5"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("7"));
    Key("Ctrl+Z");
    EXPECT_EQ(Cell(0, 1), QString());
    EXPECT_EQ(Cell(0, 0), QStringLiteral("25.5"));
    Key("Ctrl+Z");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("old"));
    Key("Ctrl+Y");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("25.5"));
}

TEST_F(GridUndo, CtrlZInTheOpenEditorUndoesTheEditAsAStep)
{
    Grid().SetCells(0, 0, QStringLiteral("old"));
    Type(QStringLiteral("99"));
    ASSERT_NE(Editor(), nullptr);
    Key("Ctrl+Z");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("old"));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text(), QStringLiteral("old"));
}

TEST_F(GridUndo, UndoOfAnEnlargingPasteRestoresCountsAndTexts)
{
    Grid().SetCells(0, 3, QStringLiteral("under"));
    Grid().SetCells(7, 30, QStringLiteral("stored beyond"));
    const TCells before = CellsOf(Grid());
    QString text;
    for (int row = 0; row < 40; ++row)
        text += QStringLiteral("%1\t\t%1\t%1\t%1\t%1\t%1\r\n").arg(row);
    SetClipboard(text);
    answer_ = QStringLiteral("扩大表格");
    Key("Ctrl+V");
    EXPECT_EQ(Grid().ColCount(), 7);
    EXPECT_EQ(Grid().RowCount(), 40);
    EXPECT_EQ(Cell(0, 3), QStringLiteral("3"));
    const TCells pasted = CellsOf(Grid());
    form_->findChild<QAction*>(QStringLiteral("StringGrid1.undo"))->trigger();
    EXPECT_EQ(Grid().ColCount(), 5);
    EXPECT_EQ(Grid().RowCount(), 10);
    EXPECT_EQ(CellsOf(Grid()), before);
    form_->findChild<QAction*>(QStringLiteral("StringGrid1.redo"))->trigger();
    EXPECT_EQ(Grid().RowCount(), 40);
    EXPECT_EQ(CellsOf(Grid()), pasted);
}

TEST_F(GridUndo, CommandsAreStepsAndTheContextMenuHoldsTheGridActions)
{
    QStringList names;
    for (const QAction* action : Grid().actions())
        names << action->objectName();
    EXPECT_EQ(names, (QStringList{"StringGrid1.undo", "StringGrid1.redo", "StringGrid1.copy", "StringGrid1.paste",
                                  "StringGrid1.delete", "StringGrid1.resetSize"}));
    form_->ClickButton(QStringLiteral("Button2"));
    form_->ClickButton(QStringLiteral("Button8"));
    SetClipboard(QStringLiteral("1\t2"));
    form_->findChild<QAction*>(QStringLiteral("StringGrid1.paste"))->trigger();
    EXPECT_EQ(form_->GridUndoStack()->count(), 3);
    EXPECT_EQ(CellsOf(Grid()), (TCells{{0, 0, "1"}, {1, 0, "2"}}));
    Key("Ctrl+Z");
    EXPECT_TRUE(Grid().StoredCells().empty());
    Key("Ctrl+Z");
    EXPECT_EQ(Grid().StoredCells().size(), 25u);
}

// A grid step taken with the editor open ends the edit: Esc afterwards takes
// back nothing of the step, only what is typed after it.
TEST_F(GridUndo, EscAfterAGridStepInTheOpenEditorKeepsTheStep)
{
    Type(QStringLiteral("2"));
    ASSERT_NE(Editor(), nullptr);
    SetClipboard(QStringLiteral("7\t8\r\n9\t10\r\n"));
    Key("Ctrl+V");
    Key("Escape");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("7"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("10"));
    // The typing before the paste is a step of its own, under the paste.
    Grid().Undo();
    EXPECT_EQ(Cell(0, 0), QStringLiteral("2"));
    Grid().Undo();
    EXPECT_TRUE(Grid().StoredCells().empty());
}

// After undo or redo changes the counts, the current cell and the selection
// are inside the grid, so Delete never clears a cell the user cannot see.
TEST_F(GridUndo, CountsThatShrinkTakeTheCursorAlong)
{
    SetClipboard(QStringLiteral("1\r\n").repeated(15));
    answer_ = QStringLiteral("扩大表格");
    Grid().SetCurrentCell(4, 0);
    Key("Ctrl+V");
    ASSERT_EQ(Grid().RowCount(), 15);
    Grid().SetCurrentCell(4, 14);
    Key("Shift+Up");
    Grid().Undo();
    EXPECT_EQ(Grid().RowCount(), 10);
    EXPECT_LT(Grid().Selection().bottom(), 10);
    Grid().Redo();
    Grid().Undo();
    Grid().Redo();
    Grid().SetCurrentCell(4, 14);
    Grid().Undo();
    Key("Delete");
    Grid().Redo();
    for (int row = 10; row < 15; ++row)
        EXPECT_EQ(Cell(4, row), QStringLiteral("1")) << row;
}
