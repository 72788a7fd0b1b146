#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "AboutWindow.h"
#include "ChartControl.h"
#include "FileDialogs.h"
#include "FormControls.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "NumberSettings.h"
#include "QtTranslations.h"
#include "RecordedErrors.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

QAction* Action(const TMainWindow& window, const char* name) { return window.findChild<QAction*>(QLatin1String(name)); }

// Counts the dialogs asked for and cancels each.
class TCancelledDialogs : public TFileDialogs {
public:
    explicit TCancelledDialogs(int& asked) : asked_(asked) {}
    std::optional<QString> ChooseSaveFile(const TSaveFileRequest&) override { return ++asked_, std::nullopt; }
    bool ChoosePrinter(QPrinter&) override { return ++asked_, false; }

private:
    int& asked_;
};

}  // namespace

TEST(MainWindowShell, ExportEntriesAskTheirDialogsAndCtrlPPrintsFromTheGrid)
{
    TMainWindow window;
    int asked = 0;
    window.SetFileDialogs(std::make_unique<TCancelledDialogs>(asked));
    for (const char* name : {"actionExportReport", "actionPrint", "actionExportWindowImage", "actionExportExcel",
                             "Chart1.saveImage", "Chart2.saveImage", "Chart3.saveImage", "cht1.saveImage"})
        Action(window, name)->trigger();
    EXPECT_EQ(asked, 8);
    for (const char* name :
         {"actionCopyResults", "Chart1.copyImage", "Chart2.copyImage", "Chart3.copyImage", "cht1.copyImage"})
        EXPECT_NE(Action(window, name), nullptr) << name;
    EXPECT_EQ(window.Form().Chart(QStringLiteral("cht1"))->contextMenuPolicy(), Qt::ActionsContextMenu);

    window.show();
    QApplication::setActiveWindow(&window);
    window.Form().StringGrid1()->setFocus();
    QTest::keyClick(window.Form().StringGrid1(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(asked, 9);
}

TEST(MainWindowShell, MenuEntriesRunTheButtonsCommandsThroughTheErrorDisplay)
{
    TMainWindow window;
    QStringList errors;
    window.Form().SetErrorDisplay(std::make_unique<TRecordedErrors>(errors));
    EXPECT_EQ(window.windowTitle(), U("CPK-X-R控制图"));
    for (const char* name : {"actionQuit", "actionClear", "actionSampleData", "actionCompute",
                             "actionDistributionChart", "actionHelp", "actionAbout"})
        EXPECT_NE(Action(window, name), nullptr) << name;
    EXPECT_EQ(Action(window, "actionCompute")->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(Action(window, "actionQuit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));

    // An empty grid: the compute command's own error reaches the one display.
    Action(window, "actionCompute")->trigger();
    ASSERT_EQ(errors.size(), 1);

    Action(window, "actionSampleData")->trigger();
    EXPECT_FALSE(window.Form().StringGrid1()->StoredCells().empty());
    Action(window, "actionCompute")->trigger();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_FALSE(window.Form().Edit(QStringLiteral("Edit3"))->text().isEmpty());
    Action(window, "actionClear")->trigger();
    EXPECT_TRUE(window.Form().StringGrid1()->StoredCells().empty());

    // Undo follows the grid's steps: the clear, then the sample data.
    ASSERT_TRUE(Action(window, "actionUndo")->isEnabled());
    Action(window, "actionUndo")->trigger();
    EXPECT_FALSE(window.Form().StringGrid1()->StoredCells().empty());
    Action(window, "actionUndo")->trigger();
    EXPECT_TRUE(window.Form().StringGrid1()->StoredCells().empty());
    EXPECT_FALSE(Action(window, "actionUndo")->isEnabled());
    Action(window, "actionRedo")->trigger();
    EXPECT_FALSE(window.Form().StringGrid1()->StoredCells().empty());
}

TEST(MainWindowShell, TheFormKeepsItsSizeAndScrollsTheFocusedControlIntoView)
{
    TMainWindow window;
    window.resize(500, 400);
    window.show();
    QApplication::processEvents();
    TForm1& form = window.Form();
    EXPECT_EQ(form.size(), QSize(1904, 908));
    EXPECT_EQ(form.Edit(QStringLiteral("Edit21"))->geometry(), QRect(278, 765, 79, 21));

    QWidget* viewport = window.ScrollArea().viewport();
    for (const char* name : {"Edit21", "Button6", "StringGrid1"}) {
        QWidget* control = form.Control(QLatin1String(name));
        control->setFocus();
        QApplication::processEvents();
        const QRect shown(control->mapTo(viewport, QPoint(0, 0)), control->size());
        EXPECT_TRUE(viewport->rect().intersects(shown)) << name;
    }
}

TEST(MainWindowShell, ControlsAreNamedAsTheUserReadsThem)
{
    TForm1 form;
    const std::map<const char*, const char*> spoken = {
        {"Edit3", "平均值"},        {"Edit11", "组内 STDEV"},     {"Edit12", "整体 STDEV"},
        {"Edit24", "实测 PPM<LSL"}, {"Button3", "计算CPK(整体)"}, {"Chart2", "单值图"},
        {"cht1", "分布图"},         {"Chart3", "极差控制图"},     {"Memo5", "关键值"}};
    for (const auto& [name, text] : spoken)
        EXPECT_EQ(form.Control(QLatin1String(name))->accessibleName(), U(text)) << name;
    EXPECT_EQ(form.Label(QStringLiteral("Label6"))->buddy(), form.Edit(QStringLiteral("Edit6")));
    EXPECT_EQ(form.Control(QStringLiteral("Edit6"))->objectName(), QStringLiteral("Edit6"));
}

TEST(MainWindowShell, AResultWiderThanItsFieldShowsWhollyAsToolTip)
{
    TForm1 form;
    QLineEdit& field = *form.Edit(QStringLiteral("Edit3"));
    field.setText(QStringLiteral("26.4011993408203"));
    EXPECT_EQ(field.toolTip(), QStringLiteral("26.4011993408203"));
    field.setText(QStringLiteral("26.4"));
    EXPECT_TRUE(field.toolTip().isEmpty());
    const QString huge(1000000, QLatin1Char('7'));
    field.setText(huge);
    EXPECT_EQ(field.toolTip(), huge);
}

TEST(MainWindowShell, HelpAndAboutSayWhatTheyShould)
{
    // assign(1, c): GCC 12 warns falsely (-Wrestrict) on assigning a one-character literal here.
    NumberSettings().DecimalSeparator.assign(1, ',');
    EXPECT_TRUE(HelpText().contains(U("当前为 “,”")));
    NumberSettings().DecimalSeparator.assign(1, '.');
    for (const char* part : {"整体", "组内", "Ctrl+V", "上规格", "扩展分析（Ctrl+E）", "Ctrl+Z", "Ctrl+Y", "Delete",
                             "空的单元格被跳过", "计算就此停止", "Shift+F10"})
        EXPECT_TRUE(HelpText().contains(U(part))) << part;
    EXPECT_TRUE(AboutText().contains(QString::fromLatin1(qVersion())));
    EXPECT_TRUE(AboutText().contains(QStringLiteral(CPK_XR_VERSION_TEXT)));

    TMainWindow window;
    window.findChild<QAction*>(QStringLiteral("actionHelp"))->trigger();
    window.findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("HelpWindow"))->isVisible());
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("AboutWindow"))->isVisible());
}

TEST(MainWindowShell, QtsOwnTextsAreChinese)
{
    ASSERT_TRUE(InstallChineseQtTranslations(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), U("确定"));
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Copy"));
}

TEST(MainWindowShell, TheFileDialogsTypesAndEveryDialogButtonAreChinese)
{
    ASSERT_TRUE(InstallChineseQtTranslations(*QCoreApplication::instance()));
    QTemporaryDir folder;
    QFile(folder.filePath(QStringLiteral("chart.png"))).open(QIODevice::WriteOnly);
    QFileDialog dialog(nullptr, U("保存图像"), folder.path(), U("PNG 图像 (*.png)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    auto* files = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    QModelIndex chart;
    for (int i = 0; i < 200 && !chart.isValid(); ++i) {
        QTest::qWait(10);
        chart = files->index(folder.filePath(QStringLiteral("chart.png")), 2);
    }
    ASSERT_TRUE(chart.isValid());
    const QString type = files->data(chart).toString();
    EXPECT_TRUE(type.contains(U("图像"))) << type.toStdString();
    const auto chinese = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x4e00; });
    };
    for (const QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        for (const QAbstractButton* button : box->buttons())
            EXPECT_TRUE(chinese(button->text())) << button->text().toStdString();
    QPrinter printer;
    QPrintDialog print(&printer);
    for (const QPushButton* button : print.findChildren<QPushButton*>()) {
        if (!button->text().isEmpty()) {
            EXPECT_TRUE(chinese(button->text())) << button->text().toStdString();
        }
    }
}
