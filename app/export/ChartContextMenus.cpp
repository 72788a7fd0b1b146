#include "ChartContextMenus.h"

#include <QAction>

#include "ChartControl.h"
#include "ChartImageExport.h"
#include "ExportCommands.h"
#include "ResultsState.h"
#include "Unit1.h"

void AddChartContextMenus(TForm1& form, std::function<TFileDialogs&()> dialogs)
{
    for (const char* name : {"Chart1", "Chart2", "Chart3", "cht1"}) {
        TChartControl* chart = form.Chart(QString::fromLatin1(name));
        const auto add = [&](const char* action, const char* text, std::function<void()> command) {
            auto* entry = new QAction(QString::fromUtf8(text), chart);
            entry->setObjectName(QString::fromLatin1(name) + QLatin1Char('.') + QLatin1String(action));
            QObject::connect(entry, &QAction::triggered, chart, [&form, command = std::move(command)] {
                form.RunCommand([&] {
                    if (ConfirmCurrentResults(form))
                        command();
                });
            });
            chart->addAction(entry);
        };
        add("copyImage", "复制图像", [chart] { CopyChartImage(*chart); });
        add("saveImage", "保存图像…", [chart, dialogs] { SaveChartImageAs(*chart, dialogs()); });
        chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}
