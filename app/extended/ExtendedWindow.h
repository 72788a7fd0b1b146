#pragma once
// The window 扩展分析: not modal, a window of its own owned by the form. It
// reads the form's inputs and recomputes whenever they change or a selector
// changes; what cannot be computed is said inline, never in an error box.
#include <QWidget>

#include <optional>

#include "ExtendedCharts.h"
#include "ExtendedResult.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class TChartControl;
class TForm1;
struct TTextTable;

class TExtendedWindow : public QWidget {
    Q_OBJECT
public:
    explicit TExtendedWindow(TForm1& form);

    const TExtendedResult& Result() const { return result_; }
    // Reads the form and recomputes now.
    void Refresh();
    // 复制: the tables as tab-separated text and as HTML.
    void CopyTables() const;

private:
    void ScheduleRefresh();
    void ShowTable(QTableWidget& view, const TTextTable& table);
    std::vector<TTextTable> Tables() const;

    TForm1& form_;
    QComboBox* method_ = nullptr;
    QComboBox* confidence_ = nullptr;
    QComboBox* distribution_ = nullptr;
    QComboBox* chart_ = nullptr;
    QComboBox* subgroups_ = nullptr;
    QLineEdit* historicalMean_ = nullptr;
    QLineEdit* historicalSigma_ = nullptr;
    QLabel* messages_ = nullptr;
    QTableWidget* indices_ = nullptr;
    QTableWidget* ppm_ = nullptr;
    QTableWidget* normality_ = nullptr;
    QTableWidget* runTests_ = nullptr;
    QTableWidget* fits_ = nullptr;
    QTableWidget* distributionTable_ = nullptr;
    TChartControl* controlChart_ = nullptr;
    TChartControl* rangeChart_ = nullptr;
    TChartControl* probabilityPlot_ = nullptr;
    TChartControl* histogram_ = nullptr;
    // The series the charts' layout created.
    std::optional<TLimitChartSeries> controlSeries_, rangeSeries_;
    std::optional<TProbabilityPlotSeries> plotSeries_;
    std::optional<THistogramSeries> histogramSeries_;
    bool refreshPending_ = false;
    std::vector<double> values_;
    TExtendedResult result_;
};

// The size the window starts at: as designed where the screen's available
// area holds it with a frame, else that area less the frame (1366 × 768, or
// 1920 × 1080 at scale 1.5, which leaves 1280 × 720).
QSize ExtendedWindowStartSize(const QRect& available);

// 计算 → 扩展分析… (Ctrl+E): opens the window, or raises it when it is open.
void ShowExtendedAnalysis(TForm1& form);
// The window when it is open (visible), else null.
TExtendedWindow* OpenExtendedWindow(const TForm1& form);
