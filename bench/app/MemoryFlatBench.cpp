// Resident memory of the real window over many computations of the sample
// data with the distribution chart: after the first 100 (the floor, once
// every cache is warm) and after all of them, in the same run.
//   memory_flat_bench [COMPUTATIONS]   (1,000 by default)
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "Extended.h"
#include "Unit1.h"

namespace {

class TIgnoredErrors : public TErrorDisplay {
public:
    void ShowError(const QString&, const QString&) override { ++Count; }
    int Count = 0;
};

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    InitFloatingPointEnvironment();
    QApplication app(argc, argv);
    const int computations = argc > 1 ? std::max(200, std::atoi(argv[1])) : 1000;
    TForm1 form;
    auto errors = std::make_unique<TIgnoredErrors>();
    TIgnoredErrors* seen = errors.get();
    form.SetErrorDisplay(std::move(errors));
    form.show();
    long floorKiB = 0;
    for (int i = 1; i <= computations; ++i) {
        form.ClickButton(QStringLiteral("Button8"));
        form.ClickButton(QStringLiteral("Button2"));
        form.ClickButton(QStringLiteral("Button3"));
        form.ClickButton(QStringLiteral("Button6"));
        QApplication::processEvents();
        if (i == 100)
            floorKiB = ResidentKiB();
    }
    const long endKiB = ResidentKiB();
    std::printf(
        "resident memory: %ld KiB after 100 computations, %ld KiB after %d (%+ld KiB, %+.3f KiB each); %d errors\n",
        floorKiB, endKiB, computations, endKiB - floorKiB, double(endKiB - floorKiB) / (computations - 100),
        seen->Count);
    // Growth beyond 4 MiB over the run is a leak, not cache warm-up.
    return seen->Count == 0 && endKiB - floorKiB < 4096 ? 0 : 1;
}
