#include "ExtendedWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ChartControl.h"
#include "ExtendedAnalysis.h"
#include "ExtendedCharts.h"
#include "ExtendedTables.h"
#include "ReadExtendedInput.h"
#include "RunTests.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QTableWidget* NewTable(QWidget* parent)
{
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

TChartControl* NewChart(QWidget* parent, const char* name)
{
    auto* chart = new TChartControl(parent);
    chart->setObjectName(QString::fromUtf8(name));
    chart->setMinimumSize(380, 220);
    return chart;
}

QComboBox* NewSelector(QWidget* parent, const char* name,
                       std::initializer_list<std::pair<const char*, const char*>> items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    for (const auto& [caption, key] : items)
        box->addItem(QString::fromUtf8(caption), QString::fromUtf8(key));
    return box;
}

QLineEdit* NewHistoricalField(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setPlaceholderText(QStringLiteral("由数据估计"));
    edit->setMaximumWidth(110);
    return edit;
}

TDistributionChoice DistributionOf(const QString& key)
{
    for (auto choice : {TDistributionChoice::BoxCox, TDistributionChoice::Lognormal, TDistributionChoice::Weibull,
                        TDistributionChoice::Nonparametric, TDistributionChoice::Best})
        if (key == QLatin1String(DistributionChoiceName(choice)))
            return choice;
    return TDistributionChoice::Normal;
}

TWithinSigmaMethod MethodOf(const QString& key)
{
    if (key == QLatin1String("rbar"))
        return TWithinSigmaMethod::RBar;
    if (key == QLatin1String("sbar"))
        return TWithinSigmaMethod::SBar;
    return TWithinSigmaMethod::Pooled;
}

}  // namespace

TExtendedWindow::TExtendedWindow(TForm1& form) : QWidget(&form, Qt::Window), form_(form)
{
    setObjectName(QStringLiteral("ExtendedAnalysis"));
    setWindowTitle(QStringLiteral("扩展分析"));

    method_ = new QComboBox(this);
    method_->setObjectName(QStringLiteral("ExtendedSigmaMethod"));
    method_->addItem(QStringLiteral("合并标准差 Sp/c4"), QStringLiteral("pooled"));
    method_->addItem(QStringLiteral("R̄/d2"), QStringLiteral("rbar"));
    method_->addItem(QStringLiteral("S̄/c4"), QStringLiteral("sbar"));
    confidence_ = new QComboBox(this);
    confidence_->setObjectName(QStringLiteral("ExtendedConfidence"));
    confidence_->addItem(QStringLiteral("90%"), QStringLiteral("0.90"));
    confidence_->addItem(QStringLiteral("95%"), QStringLiteral("0.95"));
    confidence_->addItem(QStringLiteral("99%"), QStringLiteral("0.99"));
    confidence_->setCurrentIndex(1);
    distribution_ = NewSelector(this, "ExtendedDistribution",
                                {{"正态", "normal"},
                                 {"Box-Cox 变换", "boxcox"},
                                 {"对数正态", "lognormal"},
                                 {"Weibull", "weibull"},
                                 {"非参数（经验百分位）", "nonparametric"},
                                 {"最佳拟合", "best"}});
    chart_ = NewSelector(this, "ExtendedChart", {{"均值-极差图", "xbarR"}, {"均值-标准差图", "xbarS"}});
    subgroups_ = NewSelector(this, "ExtendedSubgroups", {{"按子组容量", "size"}, {"每行一个子组", "rows"}});
    historicalMean_ = NewHistoricalField(this, "ExtendedHistoricalMean");
    historicalSigma_ = NewHistoricalField(this, "ExtendedHistoricalSigma");
    auto* copy = new QPushButton(QStringLiteral("复制"), this);
    copy->setObjectName(QStringLiteral("ExtendedCopy"));

    auto* selectors = new QHBoxLayout;
    selectors->addWidget(new QLabel(QStringLiteral("组内标准差："), this));
    selectors->addWidget(method_);
    selectors->addWidget(new QLabel(QStringLiteral("置信水平："), this));
    selectors->addWidget(confidence_);
    selectors->addWidget(new QLabel(QStringLiteral("分布："), this));
    selectors->addWidget(distribution_);
    selectors->addStretch();
    selectors->addWidget(copy);
    auto* charting = new QHBoxLayout;
    charting->addWidget(new QLabel(QStringLiteral("控制图："), this));
    charting->addWidget(chart_);
    charting->addWidget(new QLabel(QStringLiteral("子组："), this));
    charting->addWidget(subgroups_);
    charting->addWidget(new QLabel(QStringLiteral("历史均值："), this));
    charting->addWidget(historicalMean_);
    charting->addWidget(new QLabel(QStringLiteral("历史标准差："), this));
    charting->addWidget(historicalSigma_);
    charting->addStretch();

    messages_ = new QLabel(this);
    messages_->setObjectName(QStringLiteral("ExtendedMessages"));
    messages_->setWordWrap(true);
    messages_->setStyleSheet(QStringLiteral("color: #a00000"));
    indices_ = NewTable(this);
    ppm_ = NewTable(this);
    normality_ = NewTable(this);
    runTests_ = NewTable(this);
    fits_ = NewTable(this);
    distributionTable_ = NewTable(this);
    controlChart_ = NewChart(this, "ExtendedControlChart");
    controlSeries_.emplace(LayOutControlChart(controlChart_->Chart()));
    rangeChart_ = NewChart(this, "ExtendedRangeChart");
    rangeSeries_.emplace(LayOutControlChart(rangeChart_->Chart()));
    probabilityPlot_ = NewChart(this, "ExtendedProbabilityPlot");
    plotSeries_.emplace(LayOutProbabilityPlot(probabilityPlot_->Chart()));
    histogram_ = NewChart(this, "ExtendedHistogram");
    histogramSeries_.emplace(LayOutHistogram(histogram_->Chart()));

    auto* tables = new QVBoxLayout;
    tables->addWidget(indices_, 3);
    tables->addWidget(ppm_, 1);
    tables->addWidget(normality_, 1);
    tables->addWidget(fits_, 2);
    tables->addWidget(distributionTable_, 3);
    tables->addWidget(runTests_, 2);
    auto* charts = new QGridLayout;
    charts->addWidget(controlChart_, 0, 0);
    charts->addWidget(rangeChart_, 1, 0);
    charts->addWidget(histogram_, 0, 1);
    charts->addWidget(probabilityPlot_, 1, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(tables, 2);
    body->addLayout(charts, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selectors);
    layout->addLayout(charting);
    layout->addWidget(messages_);
    layout->addLayout(body, 1);
    const QScreen* screen = form_.screen();
    resize(ExtendedWindowStartSize(screen ? screen->availableGeometry() : QRect()));

    connect(method_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    for (QComboBox* box : {confidence_, distribution_, chart_, subgroups_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    for (QLineEdit* field : {historicalMean_, historicalSigma_})
        connect(field, &QLineEdit::textChanged, this, [this] { Refresh(); });
    connect(copy, &QPushButton::clicked, this, [this] { CopyTables(); });
    // The compute command and the user both change the form through its edits and its grid.
    for (QLineEdit* edit : form_.findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, [this] { ScheduleRefresh(); });
    QAbstractItemModel* cells = form_.StringGrid1()->model();
    connect(cells, &QAbstractItemModel::dataChanged, this, [this] { ScheduleRefresh(); });
    connect(cells, &QAbstractItemModel::modelReset, this, [this] { ScheduleRefresh(); });
    connect(cells, &QAbstractItemModel::layoutChanged, this, [this] { ScheduleRefresh(); });
    Refresh();
}

void TExtendedWindow::ScheduleRefresh()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] { Refresh(); });
}

void TExtendedWindow::Refresh()
{
    refreshPending_ = false;
    const double confidence = confidence_->currentData().toString().toDouble();
    const bool rows = subgroups_->currentData().toString() == QLatin1String("rows");
    TExtendedInput input = ReadExtendedInput(form_, MethodOf(method_->currentData().toString()), confidence,
                                             rows ? TSubgroupChoice::Rows : TSubgroupChoice::Size);
    input.Distribution = DistributionOf(distribution_->currentData().toString());
    input.Chart = chart_->currentData().toString() == QLatin1String("xbarS") ? TControlChartChoice::XbarS
                                                                             : TControlChartChoice::XbarR;
    input.HistoricalMean = ReadTypedValue(historicalMean_->text().toStdString(), "历史均值", input.ReadingMessages);
    input.HistoricalSigma = ReadTypedValue(historicalSigma_->text().toStdString(), "历史标准差", input.ReadingMessages);
    values_ = input.Values;
    try {
        result_ = AnalyseExtended(input);
    } catch (const std::exception& e) {
        // Never an error box here: the failure shows inline and the form stays as it is.
        result_ = TExtendedResult{};
        result_.Messages = input.ReadingMessages;
        result_.Messages.push_back(std::string("扩展分析失败：") + e.what());
    }
    method_->setEnabled(result_.SubgroupSize != 1);

    QStringList lines;
    for (const std::string& m : result_.Messages)
        lines << Text(m);
    messages_->setText(lines.join(QLatin1Char('\n')));
    messages_->setVisible(!lines.isEmpty());
    ShowTable(*indices_, IndicesTable(result_));
    ShowTable(*ppm_, PpmTable(result_));
    ShowTable(*normality_, NormalityTable(result_));
    ShowTable(*runTests_, RunTestsTable(result_));
    ShowTable(*fits_, FitsTable(result_));
    ShowTable(*distributionTable_, DistributionTable(result_));

    TChartControl* views[] = {controlChart_, rangeChart_};
    const TLimitChartSeries* series[] = {&*controlSeries_, &*rangeSeries_};
    for (size_t c = 0; c < 2; ++c) {
        if (c < result_.Charts.size())
            FillControlChart(views[c]->Chart(), *series[c], result_.Charts[c],
                             LowestFailedTest(result_.Charts[c], result_.RunTests));
        else
            ClearChart(views[c]->Chart());
    }
    FillProbabilityPlot(probabilityPlot_->Chart(), *plotSeries_, values_, result_);
    FillHistogram(histogram_->Chart(), *histogramSeries_, values_, result_);
}

void TExtendedWindow::ShowTable(QTableWidget& view, const TTextTable& table)
{
    view.clear();
    view.setColumnCount(static_cast<int>(table.Header.size()));
    view.setRowCount(static_cast<int>(table.Rows.size()));
    QStringList header;
    for (const std::string& h : table.Header)
        header << Text(h);
    view.setHorizontalHeaderLabels(header);
    for (size_t r = 0; r < table.Rows.size(); ++r)
        for (size_t c = 0; c < table.Rows[r].size(); ++c)
            view.setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(Text(table.Rows[r][c])));
    view.resizeColumnsToContents();
}

std::vector<TTextTable> TExtendedWindow::Tables() const
{
    return {IndicesTable(result_), PpmTable(result_),          NormalityTable(result_),
            FitsTable(result_),    DistributionTable(result_), RunTestsTable(result_)};
}

void TExtendedWindow::CopyTables() const
{
    auto* mime = new QMimeData;
    mime->setText(Text(TablesAsTabText(Tables())));
    mime->setHtml(Text(TablesAsHtml(Tables())));
    QApplication::clipboard()->setMimeData(mime);
}

namespace {

// What a typical title bar and border take around the client area; the real
// frame is known only once the window is shown.
const QMargins TypicalFrame(4, 30, 4, 4);

}  // namespace

QSize ExtendedWindowStartSize(const QRect& available)
{
    const QSize designed(1480, 860);
    if (available.isEmpty())
        return designed;
    return designed.boundedTo(available.size().shrunkBy(TypicalFrame));
}

TExtendedWindow* OpenExtendedWindow(const TForm1& form)
{
    auto* window = form.findChild<TExtendedWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return window && window->isVisible() ? window : nullptr;
}

void ShowExtendedAnalysis(TForm1& form)
{
    auto* window = form.findChild<TExtendedWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new TExtendedWindow(form);
        // Centred on the form's screen; later openings keep where and how large the user left it.
        if (const QScreen* screen = form.screen()) {
            // move() places the frame, so the framed size is centred.
            QRect framed(QPoint(), window->size().grownBy(TypicalFrame));
            framed.moveCenter(screen->availableGeometry().center());
            window->move(framed.topLeft());
        }
    } else {
        window->Refresh();
    }
    window->show();
    window->raise();
    window->activateWindow();
}
