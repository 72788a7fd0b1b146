// The compute command through the real window: result texts in the edit
// fields, labels and memo boxes, and each way it ends early as the user sees
// it, with the message box text and which controls changed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include <map>

#include "FormControls.h"
#include "GoldenTexts.h"
#include "LocaleSettings.h"
#include "RecordedErrors.h"
#include "SampleData.h"
#include "StringGrid.h"
#include "Unit1.h"

namespace {

struct TWindow {
    TForm1 Form;
    QStringList Errors;
    TWindow()
    {
        Form.SetErrorDisplay(std::make_unique<TRecordedErrors>(Errors));
        for (int col = 0; col < SampleColumns; ++col)
            for (int row = 0; row < SampleRows; ++row)
                Form.StringGrid1()->SetCells(col, row, QString::fromUtf8(SampleText(col, row)));
    }
    QString Edit(const char* name) const { return Form.Edit(QString::fromUtf8(name))->text(); }
    void SetEdit(const char* name, const char* text)
    {
        Form.Edit(QString::fromUtf8(name))->setText(QString::fromUtf8(text));
    }
    QStringList Memo(const char* name) const { return Form.Memo(QString::fromUtf8(name))->Lines(); }
    void Compute() { Form.ClickButton(QStringLiteral("Button3")); }
};

// As when the system announces a change of regional settings.
void UseNumberSeparators(TForm1& form, const QString& decimal, const QString& thousands)
{
    SetLocaleSymbolsSource([=] { return std::pair{decimal, thousands}; });
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(&form, &change);
}

}  // namespace

TEST(ComputeInWindow, SampleDataFillsTheResultFields)
{
    TWindow window;
    window.Compute();
    EXPECT_TRUE(window.Errors.isEmpty());
    // The widgets show what the golden file holds, field by field.
    for (const TWindowField* field : WindowFields()) {
        const std::string key(field->Key);
        if (field->Role == TFieldRole::Memo) {
            std::vector<std::string> lines;
            for (const QString& line : window.Memo(field->Control.data()))
                lines.push_back(line.toStdString());
            EXPECT_EQ(lines, SampleDataResults().at(key)) << key;
        } else if (field->Role == TFieldRole::Result) {
            EXPECT_EQ(window.Form.Text(*field), SampleDataResult(key)) << key;
        }
    }
}

TEST(ComputeInWindow, ErrorsShowTheirMessageAndKeepLaterTexts)
{
    struct TCase {
        const char* Edit;
        const char* Text;
        const char* Shown;
        const char* LastWritten;  // the last edit the failing command wrote, "" for none
        const char* FirstKept;    // an edit after the failure that keeps the previous text
    };
    const TCase cases[] = {
        {"Edit6", "abc", "'abc' is not a valid floating point value.", "", "Edit33"},
        {"Edit32", "5.0", "'5.0' is not a valid integer value.", "", "Edit33"},
        {"Edit32", "0", "Division by zero.", "", "Edit33"},
        {"Edit32", "1", "Invalid floating point operation.", "Edit31", "Edit11"},
        {"Edit32", "26", "", "", "Edit33"},
        {"Edit7", "1e39", "Floating point overflow.", "", "Edit1"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        TWindow window;
        // Previous texts, as a user would see them from an earlier run.
        for (int i = 1; i <= 33; ++i)
            if (i != 6 && i != 7 && i != 8 && i != 32 && i != 2)
                window.SetEdit(QStringLiteral("Edit%1").arg(i).toUtf8().constData(), "previous");
        window.SetEdit(c.Edit, c.Text);
        window.Compute();
        ASSERT_EQ(window.Errors.size(), 1);
        if (*c.Shown)
            EXPECT_EQ(window.Errors[0], QString::fromUtf8(c.Shown));
        else
            EXPECT_TRUE(window.Errors[0].contains(QStringLiteral("25"))) << window.Errors[0].toStdString();
        EXPECT_EQ(window.Edit(c.FirstKept), QStringLiteral("previous"));
        if (*c.LastWritten) {
            EXPECT_NE(window.Edit(c.LastWritten), QStringLiteral("previous"));
        }
    }
}

TEST(ComputeInWindow, AnEmptyGridChangesNothing)
{
    TWindow window;
    window.Compute();
    const QString mean = window.Edit("Edit3");
    window.Form.ClickButton(QStringLiteral("Button8"));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col)
            window.Form.StringGrid1()->SetCells(col, row, QString());
    window.Compute();
    ASSERT_EQ(window.Errors.size(), 1);
    EXPECT_EQ(window.Errors[0], QStringLiteral("'' is not a valid floating point value."));
    EXPECT_EQ(window.Edit("Edit3"), mean);
    EXPECT_EQ(window.Memo("Memo5").size(), 11);
}

TEST(ComputeInWindow, ACommaLocaleReadsCommaTexts)
{
    TWindow window;
    UseNumberSeparators(window.Form, QStringLiteral(","), QStringLiteral("."));
    window.Compute();
    ASSERT_EQ(window.Errors.size(), 1);
    EXPECT_EQ(window.Errors[0], QStringLiteral("'25.5' is not a valid floating point value."));
    window.SetEdit("Edit7", "25,5");
    for (int col = 0; col < SampleColumns; ++col)
        for (int row = 0; row < SampleRows; ++row)
            window.Form.StringGrid1()->SetCells(col, row, QString::fromUtf8(SampleText(col, row)).replace('.', ','));
    window.Compute();
    EXPECT_EQ(window.Errors.size(), 1);
    EXPECT_EQ(window.Edit("Edit3"), QStringLiteral("26,4011993408203"));
    UseNumberSeparators(window.Form, QStringLiteral("."), QStringLiteral(","));
    SetLocaleSymbolsSource({});
}

TEST(ComputeInWindow, ALongLimitTextIsReportedWhole)
{
    TWindow window;
    const QString text(100000, QLatin1Char('9'));
    window.Form.Edit(QStringLiteral("Edit6"))->setText(text + QLatin1Char('x'));
    window.Compute();
    ASSERT_EQ(window.Errors.size(), 1);
    EXPECT_EQ(window.Errors[0], QLatin1Char('\'') + text + QStringLiteral("x' is not a valid floating point value."));
}
