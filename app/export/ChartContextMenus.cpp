#include "ChartContextMenus.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "AccessibleNames.h"
#include "ChartControl.h"
#include "ChartImageExport.h"
#include "ContextMenuKey.h"
#include "ExportCommands.h"
#include "ResultsState.h"
#include "Unit1.h"
#include "WindowChartTable.h"

namespace {

QPoint Centre(const QWidget& widget) { return widget.rect().center(); }

QString ControlName(const TWindowChart& formChart)
{
    return QString::fromLatin1(formChart.Control.data(), qsizetype(formChart.Control.size()));
}

}  // namespace

void AddChartContextMenus(TForm1& form, std::function<TFileDialogs&()> dialogs)
{
    for (const TWindowChart* formChart : WindowCharts()) {
        const QString name = ControlName(*formChart);
        TChartControl* chart = form.Chart(name);
        const auto add = [&](const char* action, const char* text, std::function<void()> command) {
            auto* entry = new QAction(QString::fromUtf8(text), chart);
            entry->setObjectName(name + QLatin1Char('.') + QLatin1String(action));
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
        // Not a Tab stop: the tab order is the form's.
        chart->setFocusPolicy(Qt::ClickFocus);
        OpenContextMenuOnShiftF10(*chart, [chart] { return Centre(*chart); });
    }
}

void AddChartMenuEntries(QMenu& menu, TForm1& form)
{
    for (const TWindowChart* formChart : WindowCharts()) {
        TChartControl* chart = form.Chart(ControlName(*formChart));
        QAction* entry = menu.addAction(AccessibleNameOf(ControlName(*formChart)));
        QObject::connect(entry, &QAction::triggered, chart, [chart] {
            chart->setFocus(Qt::OtherFocusReason);
            // Once the menu that held this entry has closed.
            QTimer::singleShot(0, chart, [chart] { OpenContextMenuByKeyboard(*chart, Centre(*chart)); });
        });
    }
}
