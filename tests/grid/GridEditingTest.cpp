// Editing in place through the real window's grid and its key handling.
#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>

#include "GridTestSupport.h"

namespace {

void Click(TStringGrid& grid, int col, int row)
{
    const QRect cell = grid.visualRect(grid.model()->index(row, col));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

}  // namespace

using GridEditing = GridWindowTest;

TEST_F(GridEditing, LayoutOfTheGrid)
{
    EXPECT_EQ(Grid().ColCount(), 5);
    EXPECT_EQ(Grid().RowCount(), 10);
    EXPECT_EQ(Grid().columnWidth(0), 64 + 1);
    EXPECT_EQ(Grid().rowHeight(0), 24 + 1);
    EXPECT_FALSE(Grid().horizontalHeader()->isVisible());
    EXPECT_FALSE(Grid().verticalHeader()->isVisible());
    EXPECT_EQ(Grid().Col(), 0);
    EXPECT_EQ(Grid().Row(), 0);
    Grid().SetRowCount(0);
    EXPECT_EQ(Grid().RowCount(), 1);
}

TEST_F(GridEditing, TypedCharactersReplaceTheCellText)
{
    Grid().SetCells(1, 2, QStringLiteral("26.39"));
    Grid().SetCurrentCell(1, 2);
    Type(QStringLiteral("2"));
    ASSERT_NE(Editor(), nullptr);
    // The cell holds what the editor shows after every key.
    EXPECT_EQ(Cell(1, 2), QStringLiteral("2"));
    Type(QStringLiteral("5.5中"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("25.5中"));
    Key("Backspace");
    EXPECT_EQ(Cell(1, 2), QStringLiteral("25.5"));
    Key("Return");
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Cell(1, 2), QStringLiteral("25.5"));
}

TEST_F(GridEditing, BackspaceOnAClosedEditorEmptiesTheCell)
{
    Grid().SetCells(0, 0, QStringLiteral("26.39"));
    Key("Backspace");
    EXPECT_EQ(Cell(0, 0), QString());
    EXPECT_NE(Editor(), nullptr);
}

TEST_F(GridEditing, F2AndEnterOpenTheEditor)
{
    Grid().SetCells(0, 0, QStringLiteral("26.39"));
    Key("F2");
    ASSERT_NE(Editor(), nullptr);
    EXPECT_FALSE(Editor()->hasSelectedText());
    EXPECT_EQ(Editor()->cursorPosition(), 5);
    Type(QStringLiteral("1"));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("26.391"));
    Key("Return");
    EXPECT_EQ(Editor(), nullptr);

    Key("Return");
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->selectedText(), QStringLiteral("26.391"));
    // F2 inside the editor drops the selection and puts the caret at the end.
    Key("Home");
    Key("Shift+Right");
    Key("F2");
    EXPECT_FALSE(Editor()->hasSelectedText());
    EXPECT_EQ(Editor()->cursorPosition(), 6);
}

TEST_F(GridEditing, CaretKeysStayInTheTextAndVerticalKeysMoveTheEditor)
{
    Grid().SetCells(2, 3, QStringLiteral("12"));
    Grid().SetCells(2, 4, QStringLiteral("34"));
    Grid().SetCurrentCell(2, 3);
    Key("F2");
    Key("Left");
    Key("Home");
    EXPECT_EQ(Grid().Col(), 2);
    Type(QStringLiteral("x"));
    EXPECT_EQ(Cell(2, 3), QStringLiteral("x12"));
    Key("Down");
    EXPECT_EQ(Grid().Row(), 4);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text(), QStringLiteral("34"));
    Type(QStringLiteral("9"));
    EXPECT_EQ(Cell(2, 4), QStringLiteral("9"));
    EXPECT_EQ(Cell(2, 3), QStringLiteral("x12"));
}

TEST_F(GridEditing, ShiftAndArrowsSelectARangeFromTheAnchor)
{
    Grid().SetCurrentCell(1, 1);
    Key("Shift+Down");
    Key("Shift+Right");
    EXPECT_EQ(Grid().Selection(), QRect(QPoint(1, 1), QPoint(2, 2)));
    EXPECT_EQ(Grid().selectionModel()->selectedIndexes().size(), 4);
    Key("Up");
    EXPECT_EQ(Grid().Selection(), QRect(QPoint(2, 1), QPoint(2, 1)));
}

TEST_F(GridEditing, ClickMakesTheCellCurrentAndASecondClickOpensTheEditor)
{
    Grid().SetCells(3, 2, QStringLiteral("7.5"));
    Click(Grid(), 3, 2);
    EXPECT_EQ(Grid().Col(), 3);
    EXPECT_EQ(Grid().Row(), 2);
    EXPECT_EQ(Editor(), nullptr);
    Click(Grid(), 3, 2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->selectedText(), QStringLiteral("7.5"));
}

TEST_F(GridEditing, DraggingTheMouseSelectsNoRange)
{
    TStringGrid& grid = Grid();
    const QPoint from = grid.visualRect(grid.model()->index(0, 0)).center();
    const QPoint to = grid.visualRect(grid.model()->index(3, 3)).center();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, grid.viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &move);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(grid.Selection(), QRect(0, 0, 1, 1));
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 1);
}

TEST_F(GridEditing, TabLeavesTheGrid)
{
    for (const char* from : {"F2", "Down"}) {
        Grid().setFocus();
        Key(from);
        Key("Tab");
        EXPECT_EQ(Editor(), nullptr);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(focus != &Grid() && !Grid().isAncestorOf(focus)) << focus->objectName().toStdString();
    }
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(Grid().Col(), 0);
}

TEST_F(GridEditing, WritingTheEditedCellShowsTheNewTextAllSelected)
{
    Grid().SetCells(0, 0, QStringLiteral("1"));
    Key("F2");
    Grid().SetCells(0, 0, QStringLiteral("26.39"));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text(), QStringLiteral("26.39"));
    EXPECT_EQ(Editor()->selectedText(), QStringLiteral("26.39"));
    // Another cell does not disturb the editor.
    Grid().SetCells(1, 0, QStringLiteral("x"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("26.39"));
}

TEST_F(GridEditing, LettersCAndVWithoutCtrlAreTyped)
{
    SetClipboard(QStringLiteral("9"));
    Type(QStringLiteral("cv"));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("cv"));
    EXPECT_EQ(Clipboard(), QStringLiteral("9"));
}

TEST_F(GridEditing, TextsBeyondTheCountsAreKeptAndShownWhenTheGridGrows)
{
    Grid().SetCells(1, 12, QStringLiteral("hidden"));
    EXPECT_EQ(Grid().model()->rowCount(), 10);
    Grid().SetRowCount(13);
    EXPECT_EQ(Grid().model()->index(12, 1).data().toString(), QStringLiteral("hidden"));
}

TEST_F(GridEditing, TheEditorKeepsLongTextsWhole)
{
    const QString longText = QStringLiteral("1234567890").repeated(5000);
    Grid().SetCells(0, 0, longText);
    Key("F2");
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text().size(), longText.size());
    Type(QStringLiteral("x"));
    EXPECT_EQ(Cell(0, 0), longText + QStringLiteral("x"));
}
