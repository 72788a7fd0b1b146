// A session as a user has it: 100 computations with the distribution chart,
// then clear and close. Under the sanitizer run LeakSanitizer checks the
// whole process at its end (only fontconfig's caches are suppressed).
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

#include "StringGrid.h"
#include "Unit1.h"

namespace {

class TCountedErrors : public TErrorDisplay {
public:
    explicit TCountedErrors(int& count) : count_(count) {}
    void ShowError(const QString&, const QString&) override { ++count_; }

private:
    int& count_;
};

}  // namespace

TEST(Leaks, HundredComputationsChartClearAndClose)
{
    int errors = 0;
    auto form = std::make_unique<TForm1>();
    form->SetErrorDisplay(std::make_unique<TCountedErrors>(errors));
    form->show();
    form->ClickButton(QStringLiteral("Button2"));
    for (int i = 0; i < 100; ++i) {
        form->ClickButton(QStringLiteral("Button3"));
        form->ClickButton(QStringLiteral("Button6"));
        QApplication::processEvents();
    }
    form->ClickButton(QStringLiteral("Button8"));
    EXPECT_TRUE(form->StringGrid1()->StoredCells().empty());
    EXPECT_TRUE(form->close());
    form.reset();
    QApplication::processEvents();
    EXPECT_EQ(errors, 0);
}
