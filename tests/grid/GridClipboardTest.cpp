// Ctrl+C and Ctrl+V through the real window: the key handler, the system
// clipboard and the open cell editor.
#include <QMimeData>

#include "GridTestSupport.h"

namespace {

const QString EmptyLine = QStringLiteral("\t\t\t\t\t\r\n");

}  // namespace

using GridClipboard = GridWindowTest;

TEST_F(GridClipboard, CtrlCOnTheEmptyGridCopiesTenLinesOfFiveTabs)
{
    Key("Ctrl+C");
    EXPECT_EQ(Clipboard(), EmptyLine.repeated(10));
}

TEST_F(GridClipboard, CopyWithSampleDataAndCtrlShiftC)
{
    form_->ClickButton(QStringLiteral("Button2"));
    Grid().SetCurrentCell(2, 2);
    Key("Shift+Down");
    Key("Ctrl+Shift+C");
    const QString text = Clipboard();
    EXPECT_TRUE(text.startsWith(QStringLiteral("26.39\t27.41\t28.11\t24.06\t25.88\t\r\n"
                                               "24.52\t23.65\t26.86\t30.77\t26.12\t\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("26.57\t25.69\t24.87\t26.6\t26.4\t\r\n") + EmptyLine.repeated(5)));
    EXPECT_EQ(text.count(QLatin1Char('\t')), 50);
}

TEST_F(GridClipboard, CopyThenPasteRoundTripsAFullGrid)
{
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 5; ++col)
            Grid().SetCells(col, row, QStringLiteral("%1.%2").arg(row).arg(col));
    const auto before = Grid().StoredCells();
    Key("Ctrl+C");
    form_->ClickButton(QStringLiteral("Button8"));
    EXPECT_TRUE(Grid().StoredCells().empty());
    Key("Ctrl+V");
    const auto after = Grid().StoredCells();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].Text, before[i].Text) << i;
}

TEST_F(GridClipboard, PasteIsClippedAtTheGridAndTheCurrentCellStays)
{
    SetClipboard(QStringLiteral("1\t2\t3\t4\r\n5\t6\t7\t8\r\n9\t10\t11\t12\r\n"));
    Grid().SetCurrentCell(3, 8);
    Key("Ctrl+V");
    const std::vector<std::tuple<int, int, QString>> expected = {{3, 8, QStringLiteral("1")},
                                                                 {4, 8, QStringLiteral("2")},
                                                                 {3, 9, QStringLiteral("5")},
                                                                 {4, 9, QStringLiteral("6")}};
    const auto cells = Grid().StoredCells();
    ASSERT_EQ(cells.size(), expected.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        EXPECT_EQ(std::make_tuple(cells[i].Col, cells[i].Row, cells[i].Text), expected[i]);
    EXPECT_EQ(Grid().Col(), 3);
    EXPECT_EQ(Grid().Row(), 8);
    EXPECT_EQ(Grid().Selection(), QRect(3, 8, 1, 1));
    EXPECT_EQ(Grid().RowCount(), 10);
}

TEST_F(GridClipboard, FieldSeparatorsAndQuotes)
{
    Grid().SetCells(2, 0, QStringLiteral("keep"));
    Grid().SetCells(3, 0, QStringLiteral("keep"));
    SetClipboard(QStringLiteral("1.5\t\t2.5\r\n1 2\r\n\"a b\"\tc"));
    Key("Ctrl+V");
    // The empty spreadsheet cell replaces what stood under it; the values keep their columns.
    EXPECT_EQ(Cell(0, 0), QStringLiteral("1.5"));
    EXPECT_EQ(Cell(1, 0), QString());
    EXPECT_EQ(Cell(2, 0), QStringLiteral("2.5"));
    EXPECT_EQ(Cell(3, 0), QStringLiteral("keep"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("2"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("a b"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("c"));
}

// A spreadsheet's empty cell in a column is an empty line: it empties its cell.
TEST_F(GridClipboard, BlankLineEmptiesItsRowAndAFinalBreakIsNoLine)
{
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 2; ++col)
            Grid().SetCells(col, row, QStringLiteral("old"));
    SetClipboard(QStringLiteral("1\r\n\r\n3\n"));
    Key("Ctrl+V");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(0, 1), QString());
    EXPECT_EQ(Cell(1, 1), QStringLiteral("old"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("3"));
    EXPECT_EQ(Cell(0, 3), QStringLiteral("old"));
}

TEST_F(GridClipboard, NothingHappensWithoutClipboardText)
{
    Grid().SetCells(0, 0, QStringLiteral("5"));
    QApplication::clipboard()->clear();
    Key("Ctrl+V");
    auto* image = new QMimeData;
    image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    QApplication::clipboard()->setMimeData(image);
    Key("Ctrl+V");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("5"));
    EXPECT_EQ(Grid().StoredCells().size(), 1u);
}

TEST_F(GridClipboard, CtrlVWithTheEditorOpenPastesOnce)
{
    Grid().SetCells(1, 1, QStringLiteral("old"));
    Grid().SetCurrentCell(1, 1);
    Key("F2");
    SetClipboard(QStringLiteral("26.39\t27.41\r\n24.52\t23.65\r\n"));
    Key("Ctrl+V");
    EXPECT_EQ(Cell(1, 1), QStringLiteral("26.39"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("27.41"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("24.52"));
    EXPECT_EQ(Cell(2, 2), QStringLiteral("23.65"));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text(), QStringLiteral("26.39"));
    EXPECT_EQ(Editor()->selectedText(), QStringLiteral("26.39"));
    // Typing goes on from there as usual.
    Type(QStringLiteral("7"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("7"));
}

TEST_F(GridClipboard, CtrlCWithTheEditorOpenLeavesTheEditorsSelection)
{
    Grid().SetCells(0, 0, QStringLiteral("26.39"));
    Grid().SetCells(1, 0, QStringLiteral("x"));
    Key("F2");
    Key("Ctrl+C");
    // Nothing selected: the grid's copy stays.
    EXPECT_TRUE(Clipboard().startsWith(QStringLiteral("26.39\tx\t\t\t\t\r\n")));
    Key("Shift+Left");
    Key("Shift+Left");
    Key("Ctrl+C");
    EXPECT_EQ(Clipboard(), QStringLiteral("39"));
}

TEST_F(GridClipboard, ErrorsOfTheHandlerReachTheErrorDisplay)
{
    // Other keys with Ctrl do nothing and raise nothing.
    SetClipboard(QStringLiteral("1"));
    Key("Ctrl+X");
    Key("Ctrl+A");
    EXPECT_TRUE(Grid().StoredCells().empty());
    EXPECT_TRUE(errors_.isEmpty());
}

// A leading U+FEFF or U+FFFE is text: Ctrl+V and the pair loader keep it and
// never read it as a byte-order mark (which would drop it or byte-swap the rest).
TEST_F(GridClipboard, ByteOrderMarkCharactersArePastedUnchanged)
{
    const QString bom = QString(QChar(0xFEFF)) + QStringLiteral("26.39");
    const QString swapped = QString(QChar(0xFFFE)) + QStringLiteral("27.41");
    SetClipboard(bom + QLatin1Char('\t') + swapped);
    Grid().SetCurrentCell(1, 1);
    Key("Ctrl+V");
    EXPECT_EQ(Grid().Cells(1, 1), bom);
    EXPECT_EQ(Grid().Cells(2, 1), swapped);

    form_->ClickButton(QStringLiteral("Button8"));
    SetClipboard(swapped + QLatin1Char(',') + bom);
    form_->ClickButton(QStringLiteral("Button1"));
    EXPECT_EQ(Grid().Cells(1, 1), swapped);
    EXPECT_EQ(Grid().Cells(2, 1), bom);
}

// A spreadsheet block whose rows end in an empty cell: that cell is emptied,
// and a shorter row empties the cells the longest row reaches.
TEST_F(GridClipboard, EmptyLastCellsOfASpreadsheetBlockEmptyTheirCells)
{
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col)
            Grid().SetCells(col, row, QStringLiteral("old"));
    SetClipboard(QStringLiteral("1\t2\t3\t4\t\n5\t6\t7\t8\t9\n\t\t\t\t\n"));
    Key("Ctrl+V");
    EXPECT_EQ(Cell(3, 0), QStringLiteral("4"));
    EXPECT_TRUE(Cell(4, 0).isEmpty());
    EXPECT_EQ(Cell(4, 1), QStringLiteral("9"));
    EXPECT_EQ(Grid().StoredCells().size(), 9u);
}
