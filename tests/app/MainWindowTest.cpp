#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

#include "ChartControl.h"
#include "Errors.h"
#include "FormControls.h"
#include "LocaleSettings.h"
#include "NumberSettings.h"
#include "RecordedErrors.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// The next control that Tab reaches: the focus chain without the controls'
// own inner widgets and without controls that take no focus.
QWidget* NextTabStop(const TForm1& form, QWidget* from)
{
    for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain())
        if (next->parentWidget() == &form && (next->focusPolicy() & Qt::TabFocus) && !next->isHidden())
            return next;
    return nullptr;
}

}  // namespace

TEST(MainWindow, StartsWithTheDefaultTexts)
{
    TForm1 form;
    EXPECT_EQ(form.windowTitle(), U("CPK-X-R控制图"));
    EXPECT_EQ(form.size(), QSize(1904, 908));
    const std::map<QString, QString> defaults = {{"Edit2", "5"},    {"Edit32", "5"}, {"Edit6", "28"},
                                                 {"Edit7", "25.5"}, {"Edit8", "23"}, {"Edit31", "Edit31"}};
    for (int i = 1; i <= 33; ++i) {
        const QString name = QStringLiteral("Edit%1").arg(i);
        ASSERT_NE(form.Edit(name), nullptr) << name.toStdString();
        const auto it = defaults.find(name);
        EXPECT_EQ(form.Edit(name)->text(), it == defaults.end() ? QString() : it->second) << name.toStdString();
    }
    for (int i = 1; i <= 8; ++i)
        EXPECT_TRUE(form.Memo(QStringLiteral("Memo%1").arg(i))->Lines().isEmpty());
    EXPECT_EQ(form.StringGrid1()->ColCount(), 5);
    EXPECT_EQ(form.StringGrid1()->RowCount(), 10);
    EXPECT_TRUE(form.StringGrid1()->StoredCells().empty());
}

TEST(MainWindow, LabelsKeepBlanksAndLineBreaks)
{
    TForm1 form;
    EXPECT_EQ(form.Label("Label27")->Caption(), U("高于规格数量    百分比 "));
    EXPECT_EQ(form.Label("Label30")->Caption(), U("不规格数量    百分比 "));
    EXPECT_EQ(form.Label("Label40")->Caption(),
              U("根据样本总数\r\n和子组大小（四舍），\r\n确定子组数（进行计算的组数）\r\n"));
    EXPECT_EQ(form.Label("Label46")->Caption(),
              U("工程规范：产品质量特性值或过程特性值，设计或规范公差，如长度尺寸20  +0.2 -0.1\r\nUSL 和 LSL"));
    for (int i = 1; i <= 52; ++i)
        EXPECT_NE(form.Label(QStringLiteral("Label%1").arg(i)), nullptr) << i;
}

TEST(MainWindow, HiddenButtonsAreNeverShownAndControlsSitAtTheirPlaces)
{
    TForm1 form;
    form.show();
    for (const char* hidden : {"Button1", "Button4", "Button5", "Button7"})
        EXPECT_FALSE(form.Button(hidden)->isVisible()) << hidden;
    for (const char* shown : {"Button2", "Button3", "Button6", "Button8"})
        EXPECT_TRUE(form.Button(shown)->isVisible()) << shown;
    EXPECT_EQ(form.Button("Button3")->text(), U("计算CPK(整体)"));
    EXPECT_EQ(form.StringGrid1()->geometry(), QRect(40, 8, 345, 265));
    EXPECT_EQ(form.Edit("Edit31")->geometry(), QRect(426, 444, 121, 21));
    EXPECT_EQ(form.Memo("Memo5")->geometry(), QRect(912, 685, 163, 196));
    EXPECT_EQ(form.Chart("cht1")->geometry(), QRect(1109, 8, 772, 486));
    // "显示分布图" lies over the lower left corner of the distribution chart.
    EXPECT_EQ(form.childAt(1115, 480), form.Button("Button6"));
    EXPECT_EQ(form.Control("Edit6")->objectName(), QStringLiteral("Edit6"));
    EXPECT_EQ(form.Control("Edit6")->accessibleName(), U("上规格"));
}

TEST(MainWindow, TabGoesThroughTheControlsInTabOrder)
{
    TForm1 form;
    // Grid (0), Button2 (2), Button3 (3), Edit1 (4), Edit2 (5): Button1 (1) is hidden.
    EXPECT_EQ(NextTabStop(form, form.StringGrid1()), form.Button("Button2"));
    EXPECT_EQ(NextTabStop(form, form.Button("Button2")), form.Button("Button3"));
    EXPECT_EQ(NextTabStop(form, form.Button("Button3")), form.Edit("Edit1"));
    // Edit20 (23), Edit21 (24), then Edit22 (26): Button4 (25) is hidden.
    EXPECT_EQ(NextTabStop(form, form.Edit("Edit20")), form.Edit("Edit21"));
    EXPECT_EQ(NextTabStop(form, form.Edit("Edit21")), form.Edit("Edit22"));
    EXPECT_EQ(NextTabStop(form, form.Memo("Memo5")), form.Button("Button8"));
}

TEST(MainWindow, TabInAMemoBoxMovesOnInsteadOfTypingATab)
{
    TForm1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.Memo("Memo4")->setFocus();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(form.Memo("Memo4"), &tab);
    EXPECT_TRUE(form.Memo("Memo4")->Lines().isEmpty());
    // Memo4 (41), then Edit32 (43): the distribution chart (42) takes no focus.
    EXPECT_EQ(QApplication::focusWidget(), form.Edit("Edit32"));
}

TEST(MainWindow, AnErrorEndsTheCommandAndTheWindowStaysUsable)
{
    TForm1 form;
    QStringList shown;
    form.SetErrorDisplay(std::make_unique<TRecordedErrors>(shown, true));
    form.SetApplicationTitle(QStringLiteral("cpk-xr"));
    // The error stops at the window: RunCommand returns, the text written before stays.
    EXPECT_NO_THROW(form.RunCommand([&] {
        form.SetText(Field::Count, "written before");
        throw EConvertError("'abc' is not a valid floating point value");
    }));
    EXPECT_EQ(form.Edit("Edit1")->text(), QStringLiteral("written before"));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], QStringLiteral("cpk-xr|'abc' is not a valid floating point value."));

    form.RunCommand([] { throw EZeroDivide(); });
    form.RunCommand([] { throw std::runtime_error("List index out of bounds (3)"); });
    form.RunCommand([&] { form.SetText(Field::Count, "next command"); });
    EXPECT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[1], QStringLiteral("cpk-xr|Floating point division by zero."));
    EXPECT_EQ(shown[2], QStringLiteral("cpk-xr|List index out of bounds (3)"));
    EXPECT_EQ(form.Edit("Edit1")->text(), QStringLiteral("next command"));
}

TEST(MainWindow, LabelsGrowWithTheirNewCaption)
{
    TForm1 form;
    form.SetText(Field::AboveUslSummary, "高于规格28数量=4百分比 16%");
    EXPECT_EQ(form.Label("Label27")->Caption(), U("高于规格28数量=4百分比 16%"));
    EXPECT_EQ(form.Text(Field::AboveUslSummary), "高于规格28数量=4百分比 16%");
    EXPECT_EQ(form.Label("Label27")->height(), 13);
    EXPECT_GT(form.Label("Label27")->width(), 0);
}

TEST(MainWindow, AFieldWithoutItsControlIsAProgrammingError)
{
    TForm1 form;
    constexpr TWindowField missing{"Edit99", "missing", "不存在", "", TFieldRole::Result};
    EXPECT_THROW(form.SetText(missing, "x"), std::logic_error);
    EXPECT_THROW(form.Text(missing), std::logic_error);
    EXPECT_THROW(form.AppendMemoLine(missing, "x"), std::logic_error);
}

TEST(MainWindow, ALocaleChangeRereadsTheNumberSettings)
{
    TForm1 form;
    SetLocaleSymbolsSource([] { return std::pair{QStringLiteral(","), QStringLiteral(".")}; });
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(&form, &change);
    EXPECT_EQ(NumberSettings().DecimalSeparator, ",");
    EXPECT_EQ(NumberSettings().ThousandSeparator, ".");

    // A locale that gives no symbols falls back to "." and ",".
    SetLocaleSymbolsSource([] { return std::pair{QString(), QString()}; });
    QApplication::sendEvent(&form, &change);
    EXPECT_EQ(NumberSettings().DecimalSeparator, ".");
    EXPECT_EQ(NumberSettings().ThousandSeparator, ",");
    SetLocaleSymbolsSource({});
}
