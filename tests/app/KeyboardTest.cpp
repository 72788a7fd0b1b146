// The window from the keyboard alone, in the real main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ChartControl.h"
#include "MainWindow.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// A shown, active main window, as after start-up.
class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_.show();
        QApplication::setActiveWindow(&window_);
        QApplication::processEvents();
    }
    TForm1& Form() { return window_.Form(); }

    void Press(QWidget& target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QKeyEvent override(QEvent::ShortcutOverride, key, modifiers, text);
        QApplication::sendEvent(&target, &override);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&target, &press);
    }

    // The entries of the popup menu that `open` shows, at once or from the
    // event loop (each with its enabled state as "+" or "-" in front); the
    // menu is closed again.
    QStringList MenuOpenedBy(const std::function<void()>& open)
    {
        QStringList entries;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&entries, &poll] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll.stop();
            for (const QAction* action : menu->actions())
                entries << (action->isEnabled() ? QStringLiteral("+") : QStringLiteral("-")) + action->text();
            menu->close();
        });
        poll.start(5);
        open();
        for (int i = 0; i < 100 && poll.isActive(); ++i)
            QTest::qWait(5);
        return entries;
    }

    TMainWindow window_;
};

}  // namespace

TEST(KeyboardScenario, TheGridHasTheFocusAndCell00FromTheStart)
{
    QProcess runner;
    runner.start(QStringLiteral(SCENARIO_RUNNER), {});
    runner.write("dump\ntype 7\nkey Return\ndump\n");
    runner.closeWriteChannel();
    ASSERT_TRUE(runner.waitForFinished(60000));
    const QList<QByteArray> lines = runner.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject start = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(start["focus"].toString(), QStringLiteral("StringGrid1"));
    EXPECT_EQ(start["grid"].toObject()["current"].toArray(), (QJsonArray{0, 0}));
    const QJsonArray cells = QJsonDocument::fromJson(lines[1]).object()["grid"].toObject()["cells"].toArray();
    EXPECT_EQ(cells, (QJsonArray{QJsonArray{0, 0, QStringLiteral("7")}}));
}

TEST_F(Keyboard, ResultFieldsShowTheStartOfTheirNumberWhenTabBringsTheFocus)
{
    Form().ClickButton(QStringLiteral("Button2"));
    Form().ClickButton(QStringLiteral("Button3"));
    QLineEdit& mean = *Form().Edit(QStringLiteral("Edit3"));
    ASSERT_EQ(mean.text(), QStringLiteral("26.4011993408203"));
    // Edit2 (tab 5), then Edit3 (tab 6).
    Form().Edit(QStringLiteral("Edit2"))->setFocus(Qt::TabFocusReason);
    Press(*Form().Edit(QStringLiteral("Edit2")), Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    ASSERT_EQ(QApplication::focusWidget(), &mean);
    EXPECT_EQ(mean.cursorPosition(), 0);
    EXPECT_EQ(mean.selectedText(), mean.text());  // still whole for Ctrl+C
    // Backwards, too, and a new text while the field has the focus.
    QLineEdit& sigma = *Form().Edit(QStringLiteral("Edit11"));
    sigma.setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(sigma.cursorPosition(), 0);
    Form().ClickButton(QStringLiteral("Button3"));
    EXPECT_EQ(sigma.cursorPosition(), 0);
    // An input field keeps Qt's own way: the caret at the end for typing on.
    QLineEdit& usl = *Form().Edit(QStringLiteral("Edit6"));
    usl.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(usl.cursorPosition(), usl.text().size());
}

TEST_F(Keyboard, ShiftF10OpensTheGridMenuWithUndoAndRedoOnlyWhenThereIsAStep)
{
    TStringGrid& grid = *Form().StringGrid1();
    ASSERT_TRUE(grid.hasFocus());
    const auto menu = [&] { return MenuOpenedBy([&] { Press(grid, Qt::Key_F10, Qt::ShiftModifier); }); };
    QStringList entries = menu();
    ASSERT_EQ(entries.size(), 6);
    EXPECT_EQ(entries[0], U("-撤销\tCtrl+Z"));
    EXPECT_EQ(entries[1], U("-重做\tCtrl+Y"));
    EXPECT_EQ(entries[2], U("+复制"));
    Form().ClickButton(QStringLiteral("Button2"));
    entries = menu();
    EXPECT_TRUE(entries.value(0).startsWith(U("+撤销")));
    EXPECT_TRUE(entries.value(1).startsWith(U("-重做")));
    Press(grid, Qt::Key_Z, Qt::ControlModifier);
    entries = menu();
    EXPECT_TRUE(entries.value(0).startsWith(U("-撤销")));
    EXPECT_TRUE(entries.value(1).startsWith(U("+重做")));
}

TEST_F(Keyboard, AChartTakesTheFocusByClickOrFromTheMenuAndShiftF10OpensItsMenu)
{
    TChartControl& chart = *Form().Chart(QStringLiteral("Chart1"));
    QTest::mouseClick(&chart, Qt::LeftButton, Qt::NoModifier, chart.rect().center());
    ASSERT_TRUE(chart.hasFocus());
    EXPECT_EQ(MenuOpenedBy([&] { Press(chart, Qt::Key_F10, Qt::ShiftModifier); }),
              (QStringList{U("+复制图像"), U("+保存图像…")}));

    // 编辑 → 图表 → 分布图: the chart gets the focus and its menu opens.
    auto* charts = window_.findChild<QMenu*>(QStringLiteral("menuCharts"));
    ASSERT_NE(charts, nullptr);
    QAction* distribution = nullptr;
    for (QAction* action : charts->actions())
        if (action->text() == U("分布图"))
            distribution = action;
    ASSERT_NE(distribution, nullptr);
    const QStringList entries = MenuOpenedBy([&] { distribution->trigger(); });
    EXPECT_EQ(window_.focusWidget(), Form().Chart(QStringLiteral("cht1")));
    EXPECT_EQ(entries, (QStringList{U("+复制图像"), U("+保存图像…")}));
    // Tab still passes the charts by.
    EXPECT_FALSE(Form().Chart(QStringLiteral("cht1"))->focusPolicy() & Qt::TabFocus);
}
