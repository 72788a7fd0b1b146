// The window on a Chinese desktop: with Noto Sans CJK installed beside the
// form's Chinese font and LANG=zh_CN.UTF-8, the window looks exactly as under
// C and every label holds its text.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <locale.h>

#include "ChineseFonts.h"
#include "FormControls.h"
#include "FormLayout.h"
#include "Unit1.h"

namespace {

// This program runs as on a Chinese desktop: fontconfig takes its language
// from the environment when the application object starts, after this.
[[maybe_unused]] const bool ChineseEnvironment = qputenv("LANG", "zh_CN.UTF-8") && qputenv("LC_ALL", "zh_CN.UTF-8");

QString U(const char* text) { return QString::fromUtf8(text); }

// Why a machine cannot show the difference the locale makes; empty when it can.
QString MissingForAChineseDesktop()
{
    for (const char* family : {"WenQuanYi Micro Hei", "Noto Sans CJK SC"})
        if (!FontFamilyInstalled(QLatin1String(family)))
            return QStringLiteral("font %1 is not installed (tools/dev.sh installs it)").arg(QLatin1String(family));
    const locale_t chinese = newlocale(LC_ALL_MASK, "zh_CN.UTF-8", locale_t{});
    if (!chinese)
        return QStringLiteral("the zh_CN.UTF-8 locale is not generated (tools/dev.sh generates it)");
    freelocale(chinese);
    return {};
}

struct TRunnerResult {
    int ExitCode;
    QByteArray Errors;
    QByteArray Output;
};

TRunnerResult RunScenario(const QString& script, const QString& locale, const QString& fontConfig = {})
{
    QProcess runner;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    if (!fontConfig.isEmpty())
        environment.insert(QStringLiteral("FONTCONFIG_FILE"), fontConfig);
    runner.setProcessEnvironment(environment);
    runner.start(QStringLiteral(SCENARIO_RUNNER), {});
    runner.write(script.toUtf8());
    runner.closeWriteChannel();
    runner.waitForFinished(60000);
    return {runner.exitCode(), runner.readAllStandardError(), runner.readAllStandardOutput()};
}

QImage SampleDataScreenshot(const QString& locale, const QString& path)
{
    const TRunnerResult run =
        RunScenario(QStringLiteral("click Button2\nclick Button3\nscreenshot %1\n").arg(path), locale);
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// Where the label's text, drawn as the label draws it but unclipped, puts ink
// outside the label; empty when nowhere.
QString InkOutside(const TLabel& label)
{
    constexpr int room = 40;
    QImage canvas(label.width() + room, label.height() + room, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setFont(label.font());
        painter.setPen(Qt::black);
        painter.drawText(canvas.rect(), static_cast<int>(label.alignment()), label.text());
    }
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if ((x >= label.width() || y >= label.height()) && canvas.pixel(x, y) != qRgb(255, 255, 255))
                return QStringLiteral("ink at (%1, %2) outside %3 × %4")
                    .arg(x)
                    .arg(y)
                    .arg(label.width())
                    .arg(label.height());
    return {};
}

}  // namespace

TEST(ChineseFonts, ThePreferredFamilyComesFirstAndItsAbsenceIsSaid)
{
    const QString preferred = ChineseFontFamilies().constFirst();
    EXPECT_EQ(preferred, QStringLiteral("WenQuanYi Micro Hei"));
    const auto among = [](QStringList families) {
        return [families](const QString& family) { return families.contains(family); };
    };
    TChineseFontChoice choice =
        ChooseChineseFont(among({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")}));
    EXPECT_EQ(choice.Family, preferred);
    EXPECT_TRUE(choice.Warning.isEmpty());

    // Without it the next family of the fixed order is taken, whatever else is installed.
    choice = ChooseChineseFont(among({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("AR PL UMing CN")}));
    EXPECT_EQ(choice.Family, QStringLiteral("Noto Sans CJK SC"));
    EXPECT_TRUE(choice.Warning.contains(preferred) && choice.Warning.contains(QStringLiteral("Noto Sans CJK SC")))
        << choice.Warning.toStdString();

    choice = ChooseChineseFont(among({QStringLiteral("DejaVu Sans")}));
    EXPECT_TRUE(choice.Family.isEmpty());
    EXPECT_FALSE(choice.Warning.isEmpty());
}

TEST(ChineseDesktop, TheSampleDataLooksTheSameUnderCAndChinese)
{
    if (const QString missing = MissingForAChineseDesktop(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    QTemporaryDir folder;
    const QImage c = SampleDataScreenshot(QStringLiteral("C.UTF-8"), folder.filePath(QStringLiteral("c.png")));
    const QImage chinese =
        SampleDataScreenshot(QStringLiteral("zh_CN.UTF-8"), folder.filePath(QStringLiteral("zh_CN.png")));
    ASSERT_FALSE(c.isNull());
    ASSERT_EQ(c.size(), chinese.size());
    int differing = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            differing += c.pixel(x, y) != chinese.pixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels differ between LANG=C.UTF-8 and LANG=zh_CN.UTF-8";
}

TEST(ChineseDesktop, EveryLabelHoldsItsTextInTheFontItIsDrawnWith)
{
    if (const QString missing = MissingForAChineseDesktop(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    TForm1 form;
    form.ClickButton(QStringLiteral("Button2"));
    form.ClickButton(QStringLiteral("Button3"));  // rewrites the three count labels
    for (const TControlSpec& control : FormControls()) {
        if (control.Kind != TControlKind::Label)
            continue;
        const TLabel& label = *form.Label(U(control.Name));
        const QString outside = InkOutside(label);
        EXPECT_TRUE(outside.isEmpty()) << control.Name << ": " << outside.toStdString();
    }
}

TEST(ChineseDesktop, AMissingPreferredFontIsSaidOnceAndTheNextOneTaken)
{
    if (const QString missing = MissingForAChineseDesktop(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("fonts.conf")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                 "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                 "<selectfont><rejectfont><pattern><patelt name=\"family\"><string>WenQuanYi Micro Hei</string>"
                 "</patelt></pattern></rejectfont></selectfont>\n</fontconfig>\n");
    config.close();
    const TRunnerResult run =
        RunScenario(QStringLiteral("click Button2\nclick Button3\n"), QStringLiteral("zh_CN.UTF-8"), config.fileName());
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    const QString errors = QString::fromUtf8(run.Errors);
    EXPECT_EQ(errors.count(QStringLiteral("WenQuanYi Micro Hei")), 1) << run.Errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("“WenQuanYi Zen Hei”")) ||
                errors.contains(QStringLiteral("“Noto Sans CJK SC”")))
        << run.Errors.toStdString();
}

TEST(ChineseDesktop, TheReportKeepsEveryMemoLineOnOneBaseline)
{
    if (const QString missing = MissingForAChineseDesktop(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (tools/dev.sh installs poppler-utils)";
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    const TRunnerResult run =
        RunScenario(QStringLiteral("click Button2\nclick Button3\nfile %1\naction actionExportReport\ndump\n").arg(pdf),
                    QStringLiteral("zh_CN.UTF-8"));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    const QJsonObject memos = QJsonDocument::fromJson(run.Output).object()[QStringLiteral("memos")].toObject();

    // pdftotext puts characters into one word only when they share a baseline:
    // a memo line whose digits sat off its Chinese label's baseline came out
    // as two words at two heights.
    QProcess words;
    words.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(words.waitForFinished(60000));
    QStringList found;
    static const QRegularExpression word(QStringLiteral("<word [^>]*>([^<]*)</word>"));
    for (const QRegularExpressionMatch& match : word.globalMatch(QString::fromUtf8(words.readAllStandardOutput())))
        found << match.captured(1);
    int checked = 0;
    for (const char* memo : {"Memo5", "Memo6", "Memo7", "Memo8"})
        for (const QJsonValue line : memos[QLatin1String(memo)].toArray()) {
            // Lines too long for their box wrap onto a second row.
            if (line.toString().size() > 16)
                continue;
            EXPECT_TRUE(found.contains(line.toString())) << memo << ": " << line.toString().toStdString();
            ++checked;
        }
    EXPECT_GE(checked, 20);
}
