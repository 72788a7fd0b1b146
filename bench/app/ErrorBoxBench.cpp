// Time from the call of the error display to the box on the screen, for a
// message of 1,000,000 characters against its floor, a one-line message, in
// the same run. Target: under 100 ms. Platform: QT_QPA_PLATFORM (offscreen
// when unset).
//   error_box_bench [RUNS]
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ErrorDisplay.h"

namespace {

// Milliseconds until the box is the active modal window (then it is closed).
double ShowMs(const QString& message)
{
    std::chrono::steady_clock::time_point shown;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = std::chrono::steady_clock::now();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start();
    const auto start = std::chrono::steady_clock::now();
    TMessageBoxErrorDisplay(nullptr).ShowError(QStringLiteral("cpk-xr"), message);
    return std::chrono::duration<double, std::milli>(shown - start).count();
}

double MedianMs(const QString& message, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(ShowMs(message));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString floorMessage = QStringLiteral("'x' is not a valid floating point value.");
    const QString longMessage = QLatin1Char('\'') + QStringLiteral("26.39\t").repeated(1000000 / 6) +
                                QStringLiteral("' is not a valid floating point value.");
    const double floorMs = MedianMs(floorMessage, runs);
    const double longMs = MedianMs(longMessage, runs);
    std::printf(
        "error box, median of %d: one line %.1f ms, %lld characters %.1f ms (%.1fx the floor; target < 100 ms)\n", runs,
        floorMs, static_cast<long long>(longMessage.size()), longMs, longMs / floorMs);
    return longMs < 100.0 ? 0 : 1;
}
