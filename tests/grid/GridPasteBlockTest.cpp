// Spreadsheet blocks in and out of the grid without loss: empty cells kept,
// blanks inside a value kept, values beyond the grid never dropped silently,
// and number texts written in the separator of the number settings.
#include <QMimeData>

#include "GridTestSupport.h"
#include "NumberSettings.h"

namespace {

const QString Enlarge = QStringLiteral("扩大表格");
const QString OnlyInside = QStringLiteral("只粘贴表格内的部分");

// Rows of five values, "r.c" in column c of row r.
QString Block(int rows)
{
    QString text;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < 5; ++col)
            text += QStringLiteral("%1.%2\t").arg(row).arg(col);
        text += QLatin1String("\r\n");
    }
    return text;
}

}  // namespace

using GridPasteBlock = GridWindowTest;

TEST_F(GridPasteBlock, CopyAndPasteRestoresEveryCellEmptyOnesIncluded)
{
    form_->ClickButton(QStringLiteral("Button2"));
    Grid().SetCells(2, 1, QString());
    Grid().SetCells(4, 7, QStringLiteral("x y"));
    const auto before = Grid().StoredCells();
    Key("Ctrl+C");
    // Old values stand where the block has empty cells: the paste must replace them.
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 5; ++col)
            Grid().SetCells(col, row, QStringLiteral("old"));
    Grid().SetCurrentCell(0, 0);
    Key("Ctrl+V");
    const auto after = Grid().StoredCells();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(std::tie(after[i].Col, after[i].Row, after[i].Text),
                  std::tie(before[i].Col, before[i].Row, before[i].Text));
    EXPECT_TRUE(questions_.isEmpty());
}

TEST_F(GridPasteBlock, CtrlCAlsoOffersAnHtmlTableBesideTheSameText)
{
    Grid().SetCells(0, 0, QStringLiteral("1<2"));
    Grid().SetCells(1, 0, QStringLiteral("26.39"));
    Key("Ctrl+C");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("1<2\t26.39\t\t\t\t\r\n") + QStringLiteral("\t\t\t\t\t\r\n").repeated(9));
    ASSERT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains(QStringLiteral("<tr><td>1&lt;2</td><td>26.39</td><td></td>")));
    EXPECT_EQ(data->html().count(QStringLiteral("<tr>")), 10);
}

TEST_F(GridPasteBlock, AValueWithABlankStaysOneFieldAndIsReportedByTheCompute)
{
    form_->ClickButton(QStringLiteral("Button2"));
    SetClipboard(QStringLiteral("26 .86\t27.1\r\n"));
    Key("Ctrl+V");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("26 .86"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("27.1"));
    EXPECT_EQ(Cell(2, 0), QStringLiteral("28.11"));
    form_->ClickButton(QStringLiteral("Button3"));
    ASSERT_EQ(errors_.size(), 1);
    EXPECT_TRUE(errors_.front().contains(QStringLiteral("'26 .86'"))) << errors_.front().toStdString();
    errors_.clear();
}

TEST_F(GridPasteBlock, ABlockBeyondTheGridAsksAndEnlargingKeepsEveryValue)
{
    SetClipboard(Block(25));
    answer_ = Enlarge;
    Key("Ctrl+V");
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_TRUE(questions_.front().contains(QStringLiteral("5 列 × 25 行"))) << questions_.front().toStdString();
    EXPECT_TRUE(questions_.front().contains(QStringLiteral("5 列 × 10 行")));
    EXPECT_EQ(Grid().ColCount(), 5);
    EXPECT_EQ(Grid().RowCount(), 25);
    EXPECT_EQ(Grid().StoredCells().size(), 125u);
    EXPECT_EQ(Cell(4, 24), QStringLiteral("24.4"));
    // Every later command works on the enlarged counts.
    form_->ClickButton(QStringLiteral("Button3"));
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(QLatin1Char('\n')).toStdString();
    Key("Ctrl+C");
    EXPECT_EQ(Clipboard(), Block(25));
    form_->ClickButton(QStringLiteral("Button8"));
    EXPECT_TRUE(Grid().StoredCells().empty());
}

TEST_F(GridPasteBlock, TheOtherAnswerPastesOnlyWhatFits)
{
    SetClipboard(Block(25));
    answer_ = OnlyInside;
    Grid().SetCurrentCell(1, 0);
    Key("Ctrl+V");
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_EQ(Grid().RowCount(), 10);
    EXPECT_EQ(Grid().StoredCells().size(), 40u);
    EXPECT_EQ(Cell(4, 9), QStringLiteral("9.3"));
}

TEST_F(GridPasteBlock, EnlargingStopsAtTheBoundAndSaysWhatStaysOut)
{
    QString text;
    for (int row = 0; row < 30000; ++row)
        text += QStringLiteral("%1\t%1\t%1\t%1\t%1\r\n").arg(row);
    SetClipboard(text);
    answer_ = Enlarge;
    Key("Ctrl+V");
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_TRUE(questions_.front().contains(QStringLiteral("50000 个值粘贴不下"))) << questions_.front().toStdString();
    EXPECT_EQ(Grid().ColCount(), 5);
    EXPECT_EQ(Grid().RowCount(), 20000);
    EXPECT_EQ(Grid().StoredCells().size(), 100000u);
    // The grid never shrinks by itself; the context menu puts back its size
    // and, once the user agrees, removes the texts outside it in the same step.
    Grid().SetCurrentCell(3, 15000);
    QAction* reset = Grid().findChild<QAction*>(QStringLiteral("StringGrid1.resetSize"));
    answer_ = QStringLiteral("取消");
    reset->trigger();
    EXPECT_EQ(Grid().RowCount(), 20000);
    answer_ = QStringLiteral("继续");
    reset->trigger();
    ASSERT_EQ(questions_.size(), 3);
    EXPECT_EQ(questions_.back(), QStringLiteral("恢复为 5 列 × 10 行 将删除表格外的 99950 个单元格。继续吗？"));
    EXPECT_EQ(Grid().RowCount(), 10);
    EXPECT_EQ(Grid().StoredCells().size(), 50u);
    EXPECT_EQ(Grid().Selection(), QRect(3, 9, 1, 1));
    // A later paste that enlarges the grid shows only what it pastes.
    SetClipboard(QStringLiteral("1\r\n").repeated(30));
    answer_ = Enlarge;
    Key("Ctrl+V");
    EXPECT_EQ(Grid().RowCount(), 39);
    EXPECT_TRUE(Cell(0, 20).isEmpty());
    EXPECT_EQ(Grid().StoredCells().size(), 79u);
    Grid().Undo();
    Grid().Undo();
    EXPECT_EQ(Grid().RowCount(), 20000);
    EXPECT_EQ(Grid().StoredCells().size(), 100000u);
}

TEST_F(GridPasteBlock, EmptyFieldsOutsideTheGridAskNothing)
{
    SetClipboard(QStringLiteral("1\t\t\t\t\t\t\t\r\n\t\r\n"));
    Grid().SetCurrentCell(0, 9);
    Key("Ctrl+V");
    EXPECT_TRUE(questions_.isEmpty());
    EXPECT_EQ(Cell(0, 9), QStringLiteral("1"));
    EXPECT_EQ(Grid().ColCount(), 5);
}

TEST_F(GridPasteBlock, NumberTextsAreWrittenInTheDecimalSeparatorInForce)
{
    const TNumberSettings saved = NumberSettings();
    NumberSettings().DecimalSeparator = ",";
    TForm1 form;
    EXPECT_EQ(form.Edit(QStringLiteral("Edit7"))->text(), QStringLiteral("25,5"));
    form.ClickButton(QStringLiteral("Button2"));
    EXPECT_EQ(form.StringGrid1()->Cells(0, 0), QStringLiteral("26,39"));
    EXPECT_EQ(form.StringGrid1()->Cells(3, 4), QStringLiteral("26,6"));
    NumberSettings() = saved;
    // The click writes the separator in force then.
    form.ClickButton(QStringLiteral("Button2"));
    EXPECT_EQ(form.StringGrid1()->Cells(0, 0), QStringLiteral("26.39"));
    EXPECT_EQ(form_->Edit(QStringLiteral("Edit7"))->text(), QStringLiteral("25.5"));
}
