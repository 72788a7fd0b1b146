// In process: a text of any length fitted into a label's box, the form's
// labels with study texts, and the dialog giving back what it was given.
#include <gtest/gtest.h>

#include <QDate>
#include <QFontMetricsF>

#include "BoxedLabelText.h"
#include "FormControls.h"
#include "StudyDialog.h"
#include "StudyLabels.h"
#include "Unit1.h"

namespace {

QString LongOddText()
{
    QString text = QStringLiteral("部门：\"A\"\r\n\u200F\u05E9\u05DC\u05D5\u05DD\u200F\n");
    while (text.size() < 10000)
        text += QStringLiteral("热处理车间 heat-treatment ");
    return text;
}

TEST(LabelFitting, AnyTextStaysInsideTheBoxAndAShortenedOneEndsWithAnEllipsis)
{
    const QFont font = TForm1().font();
    const QFontMetricsF metrics(font);
    struct Box {
        int Width, Lines;
    };
    for (const Box box : {Box{72, 1}, Box{449, 2}}) {
        SCOPED_TRACE(box.Width);
        const TFittedText fit = FitTextInBox(LongOddText(), font, box.Width, box.Lines);
        EXPECT_TRUE(fit.Shortened);
        EXPECT_LE(fit.Lines.size(), box.Lines);
        for (const QString& line : fit.Lines)
            EXPECT_LE(metrics.horizontalAdvance(line), box.Width) << line.toStdString();
        EXPECT_TRUE(fit.Lines.last().endsWith(QChar(0x2026)));
    }
    // Zero-width marks beyond the measured start still count as hidden text.
    EXPECT_TRUE(FitTextInBox(QString(20000, QChar(0x200F)), font, 72, 1).Lines.last().endsWith(QChar(0x2026)));

    const TFittedText fits = FitTextInBox(QStringLiteral("部门：机加工"), font, 72, 1);
    EXPECT_EQ(fits.Lines, QStringList{QStringLiteral("部门：机加工")});
    EXPECT_FALSE(fits.Shortened);
    // The user's line break is kept where the box has a line for it, a blank where not.
    const TFittedText twoLines = FitTextInBox(QStringLiteral("甲\r\n乙"), font, 449, 2);
    EXPECT_EQ(twoLines.Lines, (QStringList{QStringLiteral("甲"), QStringLiteral("乙")}));
    EXPECT_FALSE(twoLines.Shortened);
    const TFittedText oneLine = FitTextInBox(QStringLiteral("甲\r\n乙"), font, 72, 1);
    EXPECT_EQ(oneLine.Lines, QStringList{QStringLiteral("甲 乙")});
    EXPECT_TRUE(oneLine.Shortened);
}

TEST(LabelFitting, AStudyLabelKeepsItsBoxAndItsWholeTextWithTheTextAsTooltip)
{
    TForm1 form;
    TLabel& label = *form.Label(QStringLiteral("Label42"));
    const QRect box = label.geometry();
    TStudyInfo info;
    info[TStudyField::Department] = LongOddText();
    ShowStudyOnLabels(form, info);
    EXPECT_EQ(label.geometry(), box);
    EXPECT_EQ(label.Caption(), QStringLiteral("部门：") + LongOddText());
    EXPECT_TRUE(label.toolTip().startsWith(QStringLiteral("部门：部门：\"A\"")));
    // Painting it is only drawing: the box and the text stay.
    label.grab();
    EXPECT_EQ(label.geometry(), box);

    ShowStudyOnLabels(form, TStudyInfo());
    EXPECT_EQ(label.Caption(), QStringLiteral("部门：热处理"));
    EXPECT_TRUE(label.toolTip().isEmpty());
}

TEST(StudyDialog, GivesBackWhatItWasGivenWithTodayForAMissingDate)
{
    TStudyInfo given;
    given[TStudyField::Part] = QStringLiteral("罐体 A-17\n");
    // A note left alone keeps its carriage returns and no-break spaces.
    given[TStudyField::Note] = QStringLiteral("a\r\nb\u00A0c");
    TStudyDialog dialog(given, nullptr);
    TStudyInfo expected = given;
    expected[TStudyField::Date] = QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(dialog.Info(), expected);

    given[TStudyField::Date] = QStringLiteral("第 3 周");
    EXPECT_EQ(TStudyDialog(given, nullptr).Info()[TStudyField::Date], QStringLiteral("第 3 周"));
    dialog.SetText(TStudyField::Note, QStringLiteral("x\r\ny"));
    EXPECT_EQ(dialog.Info()[TStudyField::Note], QStringLiteral("x\ny"));
}

}  // namespace
