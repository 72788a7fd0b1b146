// The window's grid commands through TForm1: sample data, clearing and the
// hidden pair loader.
#include "GridTestSupport.h"

namespace {

const char* const SampleRows[5][5] = {
    {"26.39", "27.41", "28.11", "24.06", "25.88"}, {"24.52", "23.65", "26.86", "30.77", "26.12"},
    {"26.07", "26.49", "29.41", "26.47", "23.41"}, {"27.03", "30.21", "26.34", "26.02", "24.68"},
    {"26.57", "25.69", "24.87", "26.6", "26.4"},
};

}  // namespace

using GridCommands = GridWindowTest;

TEST_F(GridCommands, SampleDataFillsRowsZeroToFourAndKeepsTheRest)
{
    for (int col = 0; col < 5; ++col) {
        Grid().SetCells(col, 0, QStringLiteral("old"));
        Grid().SetCells(col, 7, QStringLiteral("r7"));
    }
    Grid().SetCells(6, 2, QStringLiteral("beyond"));
    Grid().SetCurrentCell(3, 6);
    form_->ClickButton(QStringLiteral("Button2"));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(Cell(col, row), QString::fromLatin1(SampleRows[row][col])) << col << "," << row;
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ(Cell(col, 7), QStringLiteral("r7"));
    EXPECT_EQ(Cell(6, 2), QStringLiteral("beyond"));
    EXPECT_EQ(Grid().StoredCells().size(), 25u + 5u + 1u);
    EXPECT_EQ(Grid().Col(), 3);
    EXPECT_EQ(Grid().Row(), 6);
}

TEST_F(GridCommands, SampleDataOnAShortGridStopsAtItsLastRow)
{
    Grid().SetRowCount(3);
    form_->ClickButton(QStringLiteral("Button2"));
    EXPECT_EQ(Grid().StoredCells().size(), 15u);
    EXPECT_EQ(Cell(4, 2), QStringLiteral("23.41"));
    EXPECT_EQ(Grid().RowCount(), 3);
}

TEST_F(GridCommands, SampleDataWhileEditingShowsTheSampleInTheEditor)
{
    Grid().SetCurrentCell(3, 4);
    Type(QStringLiteral("x"));
    // The editor stays open on the cell that the command writes.
    form_->ClickButton(QStringLiteral("Button2"));
    EXPECT_EQ(Cell(3, 4), QStringLiteral("26.6"));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text(), QStringLiteral("26.6"));
}

TEST_F(GridCommands, ClearEmptiesEveryCellAndKeepsCountsAndCurrentCell)
{
    form_->ClickButton(QStringLiteral("Button2"));
    Grid().SetCells(4, 9, QStringLiteral("x"));
    Grid().SetCells(7, 20, QStringLiteral("beyond"));
    Grid().SetCurrentCell(2, 3);
    Key("Shift+Down");
    form_->ClickButton(QStringLiteral("Button8"));
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 5; ++col)
            EXPECT_TRUE(Cell(col, row).isEmpty());
    EXPECT_EQ(Grid().ColCount(), 5);
    EXPECT_EQ(Grid().RowCount(), 10);
    EXPECT_EQ(Grid().Col(), 2);
    EXPECT_EQ(Grid().Row(), 4);
    EXPECT_EQ(Grid().Selection(), QRect(QPoint(2, 3), QPoint(2, 4)));
    // Texts outside the counts go too, or a larger grid would show them again;
    // one undo step brings every one of them back.
    EXPECT_TRUE(Grid().StoredCells().empty());
    Grid().Undo();
    EXPECT_EQ(Cell(7, 20), QStringLiteral("beyond"));
    EXPECT_EQ(Cell(4, 9), QStringLiteral("x"));
    EXPECT_EQ(Grid().StoredCells().size(), 27u);
}

TEST_F(GridCommands, PairLoaderWritesWholeValuesIntoColumnsOneAndTwo)
{
    Grid().SetCells(0, 1, QStringLiteral("keep"));
    SetClipboard(QStringLiteral("26.39\t27.41\r\n24.52\t23.65\r\n"));
    form_->ClickButton(QStringLiteral("Button1"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("26.39"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("27.41"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("24.52"));
    EXPECT_EQ(Cell(2, 2), QStringLiteral("23.65"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("keep"));
    EXPECT_EQ(Grid().StoredCells().size(), 5u);
    EXPECT_EQ(Grid().RowCount(), 10);
}

TEST_F(GridCommands, PairLoaderWithAnOddCountLeavesTheLastSecondCellAlone)
{
    for (const int count : {3, 5, 7}) {
        SCOPED_TRACE(count);
        Grid().SetCells(2, count / 2 + 1, QStringLiteral("keep"));
        QStringList items;
        for (int i = 0; i < count; ++i)
            items << QString::number(i);
        SetClipboard(items.join(QLatin1Char(',')));
        form_->ClickButton(QStringLiteral("Button1"));
        EXPECT_EQ(Cell(1, count / 2 + 1), QString::number(count - 1));
        EXPECT_EQ(Cell(2, count / 2 + 1), QStringLiteral("keep"));
        EXPECT_EQ(Cell(2, count / 2), QString::number(count - 2));
    }
}

TEST_F(GridCommands, PairLoaderGrowsTheGridSoThatEveryFilledRowIsVisible)
{
    QStringList items;
    for (int i = 0; i < 40; ++i)
        items << QString::number(i);
    SetClipboard(items.join(QLatin1Char('\t')));
    Grid().SetCurrentCell(4, 9);
    form_->ClickButton(QStringLiteral("Button1"));
    EXPECT_EQ(Grid().RowCount(), 21);
    EXPECT_EQ(Grid().model()->index(20, 2).data().toString(), QStringLiteral("39"));
    EXPECT_EQ(Grid().Col(), 4);
    EXPECT_EQ(Grid().Row(), 9);
    // Nothing to load: the grid keeps its size.
    QApplication::clipboard()->clear();
    Grid().SetRowCount(10);
    form_->ClickButton(QStringLiteral("Button1"));
    EXPECT_EQ(Grid().RowCount(), 10);
}
