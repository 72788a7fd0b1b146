#include "MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include <functional>

#include "AboutWindow.h"
#include "ChartContextMenus.h"
#include "ExportCommands.h"
#include "ExtendedWindow.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "ResultsState.h"
#include "ResultsTable.h"
#include "StringGrid.h"
#include "StudyDocument.h"
#include "Unit1.h"
#include "WorkbookExport.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

QAction* AddEntry(QMenu& menu, const char* objectName, const char* text, const QKeySequence& shortcut,
                  std::function<void()> run)
{
    QAction* action = menu.addAction(U(text));
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, &menu, [run = std::move(run)] { run(); });
    return action;
}

}  // namespace

void BuildMainMenu(TMainWindow& window, TForm1& form)
{
    QMenuBar& bar = *window.menuBar();
    const auto command = [&form](void (TForm1::*handler)()) {
        return [&form, handler] { form.RunCommand([&form, handler] { (form.*handler)(); }); };
    };

    QMenu& file = *bar.addMenu(U("文件(&F)"));
    file.setObjectName(QStringLiteral("menuFile"));
    // Stale results are never written silently: each export asks first.
    const auto withDialogs = [&window, &form](std::function<void(TForm1&, TFileDialogs&)> export_) {
        return [&window, &form, export_ = std::move(export_)] {
            form.RunCommand([&] {
                if (ConfirmCurrentResults(form))
                    export_(form, window.FileDialogs());
            });
        };
    };
    TStudyDocument& document = window.Document();
    const auto documentCommand = [&form](std::function<void()> run) {
        return [&form, run = std::move(run)] { form.RunCommand(run); };
    };
    AddEntry(file, "actionOpen", "打开(&O)…", QKeySequence::Open, documentCommand([&document] { document.Open(); }));
    QMenu& recent = *file.addMenu(U("最近打开(&R)"));
    recent.setObjectName(QStringLiteral("menuRecent"));
    const auto fillRecent = [&recent, &document, &form] {
        recent.clear();
        int number = 0;
        for (const QString& path : document.RecentFiles()) {
            ++number;
            QAction* action = recent.addAction(QStringLiteral("&%1 %2").arg(number).arg(path));
            action->setObjectName(QStringLiteral("actionRecent%1").arg(number));
            QObject::connect(action, &QAction::triggered, &recent,
                             [&form, &document, path] { form.RunCommand([&] { document.OpenPath(path); }); });
        }
        recent.setEnabled(number > 0);
    };
    fillRecent();
    QObject::connect(&document, &TStudyDocument::Changed, &recent, fillRecent);
    AddEntry(file, "actionSave", "保存(&S)", QKeySequence::Save, documentCommand([&document] { document.Save(); }));
    AddEntry(file, "actionSaveAs", "另存为(&A)…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
             documentCommand([&document] { document.SaveAs(); }));
    file.addSeparator();
    const auto withStudy = [&document](void (*report)(TForm1&, TFileDialogs&, const TStudyInfo&)) {
        return [&document, report](TForm1& form, TFileDialogs& dialogs) {
            report(form, dialogs, document.StudyInformation());
        };
    };
    AddEntry(file, "actionStudyInfo", "研究信息(&D)…", {},
             documentCommand([&document] { document.EditStudyInformation(); }));
    file.addSeparator();
    AddEntry(file, "actionExportReport", "导出报告(PDF)(&E)…", {}, withDialogs(withStudy(&ExportReportPdf)));
    AddEntry(file, "actionPrint", "打印(&P)…", QKeySequence::Print, withDialogs(withStudy(&PrintReportPages)));
    AddEntry(file, "actionExportWindowImage", "导出窗口图像(&I)…", {}, withDialogs(&ExportWindowImage));
    AddEntry(file, "actionExportExcel", "导出到 Excel(&X)…", {}, [&window, &form, &document] {
        form.RunCommand([&] {
            if (ConfirmCurrentResults(form))
                ExportResultsWorkbook(form, document.StudyInformation(), window.FileDialogs());
        });
    });
    file.addSeparator();
    AddEntry(file, "actionQuit", "退出(&X)", QKeySequence(Qt::CTRL | Qt::Key_Q), [&window] { window.close(); });

    QMenu& edit = *bar.addMenu(U("编辑(&E)"));
    edit.setObjectName(QStringLiteral("menuEdit"));
    TStringGrid& grid = *form.StringGrid1();
    QAction* undo = AddEntry(edit, "actionUndo", "撤销(&U)", QKeySequence::Undo,
                             [&form, &grid] { form.RunCommand([&grid] { grid.Undo(); }); });
    QAction* redo = AddEntry(edit, "actionRedo", "重做(&R)", QKeySequence(Qt::CTRL | Qt::Key_Y),
                             [&form, &grid] { form.RunCommand([&grid] { grid.Redo(); }); });
    // The keys stay the grid's (and each edit field's) own; the menu only shows them.
    for (QAction* action : {undo, redo})
        action->setShortcutContext(Qt::WidgetShortcut);
    const QUndoStack& steps = *form.GridUndoStack();
    undo->setEnabled(steps.canUndo());
    redo->setEnabled(steps.canRedo());
    QObject::connect(&steps, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(&steps, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    edit.addSeparator();
    AddEntry(edit, "actionClear", "清空单元格(&L)", {}, command(&TForm1::Button8Click));
    edit.addSeparator();
    AddEntry(edit, "actionCopyResults", "复制结果(&C)", {}, [&form] {
        form.RunCommand([&form] {
            if (ConfirmCurrentResults(form))
                CopyResultsToClipboard(form);
        });
    });
    QMenu& charts = *edit.addMenu(U("图表(&G)"));
    charts.setObjectName(QStringLiteral("menuCharts"));
    AddChartMenuEntries(charts, form);

    QMenu& compute = *bar.addMenu(U("计算(&C)"));
    compute.setObjectName(QStringLiteral("menuCompute"));
    AddEntry(compute, "actionSampleData", "单元格赋值(&A)", {}, command(&TForm1::Button2Click));
    AddEntry(compute, "actionCompute", "计算CPK(整体)(&C)", QKeySequence(Qt::Key_F9), command(&TForm1::Button3Click));
    AddEntry(compute, "actionDistributionChart", "显示分布图(&D)", {}, command(&TForm1::Button6Click));
    compute.addSeparator();
    AddEntry(compute, "actionExtendedAnalysis", "扩展分析(&E)…", QKeySequence(Qt::CTRL | Qt::Key_E),
             [&form] { form.RunCommand([&form] { ShowExtendedAnalysis(form); }); });

    QMenu& help = *bar.addMenu(U("帮助(&H)"));
    help.setObjectName(QStringLiteral("menuHelp"));
    AddEntry(help, "actionHelp", "使用说明(&H)", QKeySequence(Qt::Key_F1), [&window] { ShowHelpWindow(window); });
    AddEntry(help, "actionAbout", "关于(&A)", {}, [&window] { ShowAboutWindow(window); });
}
