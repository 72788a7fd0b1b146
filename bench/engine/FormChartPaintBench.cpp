// The paint of each of the window's four charts after the sample data is
// computed, against its floor in the same run: the same QPainter calls
// replayed on a bare QPainter (target: at most 1.2 times). Paint and replay
// alternate, so both see the same machine; the medians of the times and of
// the rounds' ratios are printed.
//   engine_form_paint_bench [ROUNDS]
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ApplicationFonts.h"
#include "ChartControl.h"
#include "Extended.h"
#include "LocaleSettings.h"
#include "MainWindow.h"
#include "ReplayCanvas.h"
#include "Unit1.h"

namespace {

// Paints per round: enough for a stable time of a sub-millisecond paint.
constexpr int PaintsPerRound = 20;

template <class Paint>
double RoundMicroseconds(QImage& image, Paint paint)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < PaintsPerRound; ++i) {
        QPainter painter(&image);
        paint(painter);
    }
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(end - start).count() / PaintsPerRound;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    InitFloatingPointEnvironment();
    QApplication application(argc, argv);
    RegisterApplicationFonts();
    ReadNumberSettingsFromLocale();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;

    TMainWindow window;
    TForm1& form = window.Form();
    form.ClickButton(QStringLiteral("Button2"));
    form.ClickButton(QStringLiteral("Button3"));

    bool allWithin = true;
    for (const char* name : {"Chart1", "Chart2", "Chart3", "cht1"}) {
        TChart& chart = form.Chart(QString::fromLatin1(name))->Chart();
        const QSize size = form.Chart(QString::fromLatin1(name))->size();
        QImage painted(size, QImage::Format_RGB32);
        QImage replayed(size, QImage::Format_RGB32);
        painted.fill(Qt::white);
        replayed.fill(Qt::white);
        std::vector<double> paints, replays, ratios;
        const auto paint = [&](QPainter& painter) {
            TQtCanvas canvas(painter);
            chart.Paint(canvas, size.width(), size.height());
        };
        QImage recordedOn(size, QImage::Format_RGB32);
        QPainter recorder(&recordedOn);
        TReplayCanvas record(recorder);
        chart.Paint(record, size.width(), size.height());
        recorder.end();
        const auto replay = [&](QPainter& painter) { record.Replay(painter); };

        RoundMicroseconds(painted, paint);  // warm the caches of both
        RoundMicroseconds(replayed, replay);
        if (painted != replayed) {
            std::fprintf(stderr, "%s: the replay does not give the chart's pixels\n", name);
            return 1;
        }
        for (int round = 0; round < rounds; ++round) {
            paints.push_back(RoundMicroseconds(painted, paint));
            replays.push_back(RoundMicroseconds(replayed, replay));
            ratios.push_back(paints.back() / replays.back());
        }
        // The median of the rounds' ratios: a round's pair shares the load of the machine.
        const double ratio = Median(ratios);
        allWithin = allWithin && ratio <= 1.2;
        std::printf("%-6s %4d x %3d: paint %8.1f us, replayed calls %8.1f us, ratio %.2f\n", name, size.width(),
                    size.height(), Median(paints), Median(replays), ratio);
    }
    std::printf("%s\n", allWithin ? "every chart within 1.2 times its replay" : "a chart above 1.2 times its replay");
    return 0;
}
