// Hostile clipboard texts: the plain paste stays inside the grid, never grows
// it, never moves the current cell and never crashes; enlarging asks once,
// keeps the bound and is undone whole.
#include <QRandomGenerator>

#include "GridTestSupport.h"

namespace {

struct TBadText {
    const char* Name;
    QString Text;
};

std::vector<TBadText> BadTexts()
{
    QString binary;
    QRandomGenerator random(20240611);
    for (int i = 0; i < 1 << 16; ++i)
        binary += QChar(static_cast<char16_t>(random.bounded(0x10000)));
    QString manyLines;
    for (int i = 0; i < 100000; ++i)
        manyLines += QStringLiteral("%1\t%2\r\n").arg(i).arg(i + 1);
    QString wideLine;
    for (int i = 0; i < 100000; ++i)
        wideLine += QStringLiteral("f%1\t").arg(i);
    return {
        {"ten megabytes", QStringLiteral("26.39\t").repeated(10 * 1024 * 1024 / 6 / 2)},
        {"binary", binary},
        {"lone quotes", QStringLiteral("\"\t\"\"\"\r\n\"\n\"x")},
        {"100000 lines", manyLines},
        {"100000 fields", wideLine},
        {"mixed breaks", QStringLiteral("1\r2\n3\r\n4\n\r5\r\r6")},
        {"NUL", QString::fromUtf16(u"1\t2\0003\t4\r\n5", 10)},
    };
}

}  // namespace

using GridBadInput = GridWindowTest;

TEST_F(GridBadInput, PasteStaysInsideTheGrid)
{
    for (const TBadText& bad : BadTexts()) {
        SCOPED_TRACE(bad.Name);
        for (const auto& [col, row] : {std::pair{0, 0}, std::pair{4, 9}, std::pair{2, 5}}) {
            form_->ClickButton(QStringLiteral("Button8"));
            Grid().SetCurrentCell(col, row);
            SetClipboard(bad.Text);
            Key("Ctrl+V");
            EXPECT_EQ(Grid().ColCount(), 5);
            EXPECT_EQ(Grid().RowCount(), 10);
            EXPECT_EQ(Grid().Col(), col);
            EXPECT_EQ(Grid().Row(), row);
            for (const TStoredCell& cell : Grid().StoredCells()) {
                EXPECT_GE(cell.Col, col);
                EXPECT_GE(cell.Row, row);
                EXPECT_LT(cell.Col, 5);
                EXPECT_LT(cell.Row, 10);
                EXPECT_FALSE(cell.Text.contains(QLatin1Char('\0')));
            }
        }
    }
}

TEST_F(GridBadInput, EnlargingAsksOnceKeepsTheBoundAndIsUndone)
{
    answer_ = QStringLiteral("扩大表格");
    for (const TBadText& bad : BadTexts()) {
        SCOPED_TRACE(bad.Name);
        questions_.clear();
        Grid().SetCurrentCell(2, 5);
        SetClipboard(bad.Text);
        Key("Ctrl+V");
        EXPECT_LE(questions_.size(), 1);
        EXPECT_LE(static_cast<std::size_t>(Grid().ColCount()) * Grid().RowCount(), MaxEnlargedCells);
        for (const TStoredCell& cell : Grid().StoredCells()) {
            EXPECT_LT(cell.Col, Grid().ColCount());
            EXPECT_LT(cell.Row, Grid().RowCount());
        }
        Key("Ctrl+Z");
        EXPECT_EQ(Grid().ColCount(), 5);
        EXPECT_EQ(Grid().RowCount(), 10);
        EXPECT_TRUE(Grid().StoredCells().empty());
    }
}

TEST_F(GridBadInput, PasteStopsAtTheFirstNul)
{
    SetClipboard(QString::fromUtf16(u"1\t2\0003\t4\r\n5", 10));
    Key("Ctrl+V");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("2"));
    EXPECT_EQ(Grid().StoredCells().size(), 2u);
}

TEST_F(GridBadInput, MixedLineBreaks)
{
    SetClipboard(QStringLiteral("1\r2\n3\r\n4\n\r5"));
    Key("Ctrl+V");
    const QStringList expected = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QString(),           QStringLiteral("5")};
    for (int row = 0; row < expected.size(); ++row)
        EXPECT_EQ(Cell(0, row), expected[row]) << row;
}
