// The study information through the real window driven by the scenario
// runner: given by the dialog's command, shown on the header labels, kept in
// the study file and restored from it, and left alone by clearing the cells.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "ScenarioDumps.h"

namespace {

// A script VALUE: the runner decodes these escapes.
QString Escaped(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

QString Today() { return QDate::currentDate().toString(Qt::ISODate); }

QJsonObject Labels(const QJsonObject& dump) { return dump[QStringLiteral("labels")].toObject(); }
QJsonObject Study(const QJsonObject& dump) { return dump[QStringLiteral("study")].toObject(); }

TEST(StudyInfo, OddTextsSurviveSaveAndOpenAndFollowTheLabelsCaptionsInsideTheirBoxes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.cpkx"));
    // Quotes, a backslash, line breaks, right-to-left marks around Hebrew, 10,000 characters.
    const QString odd = QStringLiteral("他说\"好\"'\\ 第一行\r\n第二行 \u200F\u05E9\u05DC\u05D5\u05DD\u200F ");
    QString longText = odd;
    while (longText.size() < 10000)
        longText += QStringLiteral("长度尺寸20 +0.2 -0.1，");
    longText.truncate(10000);
    const auto dumps = ScenarioDumps(QStringLiteral("dump\nstudy department 机加工\nstudy specification %1\n"
                                                    "study operator %2\nstudy note 甲\\r\\n乙\ndump\n"
                                                    "file %3\naction actionSaveAs\n")
                                         .arg(Escaped(longText), Escaped(odd), path));
    ASSERT_EQ(dumps.size(), 2);
    const QJsonObject& given = dumps[1];
    EXPECT_EQ(given[QStringLiteral("title")], QStringLiteral("未命名* — CPK-X-R控制图"));
    const QJsonObject study = Study(given);
    EXPECT_EQ(study[QStringLiteral("department")], QStringLiteral("机加工"));
    EXPECT_EQ(study[QStringLiteral("specification")], longText);
    EXPECT_EQ(study[QStringLiteral("operator")], odd);
    // The dialog's text box gives its line breaks back as line feeds; 日期 was today's.
    EXPECT_EQ(study[QStringLiteral("note")], QStringLiteral("甲\n乙"));
    EXPECT_EQ(study[QStringLiteral("date")], Today());
    EXPECT_EQ(study[QStringLiteral("part")], QString());
    EXPECT_EQ(Labels(given)[QStringLiteral("Label42")], QStringLiteral("部门：机加工"));
    EXPECT_EQ(Labels(given)[QStringLiteral("Label46")], QStringLiteral("工程规范：") + longText);
    EXPECT_EQ(Labels(given)[QStringLiteral("Label44")], QStringLiteral("操作者：") + odd);
    // Nothing moved or grew.
    EXPECT_EQ(given[QStringLiteral("geometry")], dumps[0][QStringLiteral("geometry")]);

    const auto reopened = ScenarioDumps(QStringLiteral("dump\naction actionStudyInfo\ndump\n"), {path});
    ASSERT_EQ(reopened.size(), 2);
    EXPECT_EQ(Study(reopened[0]), study);
    EXPECT_EQ(Labels(reopened[0]), Labels(given));
    // OK on the dialog as it opens changes nothing, so the work stays unmodified.
    EXPECT_EQ(reopened[1][QStringLiteral("title")], QStringLiteral("s.cpkx — CPK-X-R控制图"));
    EXPECT_EQ(Study(reopened[1]), study);
}

TEST(StudyInfo, LabelsKeepTheirLaidOutTextsUntilGivenAndOnlyAnotherStudyClearsThem)
{
    QTemporaryDir dir;
    const QString bare = dir.filePath(QStringLiteral("bare.cpkx"));
    QFile file(bare);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format":"cpk-xr-study","version":1,"decimalSeparator":".",
        "grid":{"colCount":5,"rowCount":10,"cells":[[0,0,"26.39"]]},"inputs":{}})");
    file.close();
    const auto dumps = ScenarioDumps(QStringLiteral("dump\nstudy department 机加工\nclick Button2\naction actionClear\n"
                                                    "dump\nstudy department \ndump\nstudy process 车削\n"
                                                    "answer 不保存\nfile %1\naction actionOpen\ndump\n")
                                         .arg(bare));
    ASSERT_EQ(dumps.size(), 4);
    const QJsonObject fresh = Labels(dumps[0]);
    EXPECT_EQ(fresh[QStringLiteral("Label42")], QStringLiteral("部门：热处理"));
    EXPECT_EQ(fresh[QStringLiteral("Label44")], QStringLiteral("操作者：工序操作者"));
    EXPECT_EQ(
        fresh[QStringLiteral("Label46")],
        QStringLiteral("工程规范：产品质量特性值或过程特性值，设计或规范公差，如长度尺寸20  +0.2 -0.1\r\nUSL 和 LSL"));
    EXPECT_EQ(fresh[QStringLiteral("Label47")], QStringLiteral("样本容量/频率：25件/连续"));
    for (const QJsonValue text : Study(dumps[0]))
        EXPECT_EQ(text, QString());
    EXPECT_EQ(dumps[0][QStringLiteral("title")], QStringLiteral("CPK-X-R控制图"));

    // 清空单元格 clears cells, not the study.
    EXPECT_EQ(Labels(dumps[1])[QStringLiteral("Label42")], QStringLiteral("部门：机加工"));
    EXPECT_TRUE(dumps[1][QStringLiteral("grid")][QStringLiteral("cells")].toArray().isEmpty());
    // An emptied field shows the laid-out text again.
    EXPECT_EQ(Labels(dumps[2]), fresh);

    // Opening a study without study information leaves none of the previous one.
    EXPECT_EQ(Labels(dumps[3]), fresh);
    EXPECT_EQ(Study(dumps[3]), Study(dumps[0]));
    EXPECT_EQ(dumps[3][QStringLiteral("title")], QStringLiteral("bare.cpkx — CPK-X-R控制图"));
}

TEST(StudyInfo, TheRunnerRefusesAFieldTheStudyDoesNotHave)
{
    QProcess runner;
    runner.start(QStringLiteral(SCENARIO_RUNNER), QStringList());
    runner.write("study department 机加工\nstudy colour 红\ndump\n");
    runner.closeWriteChannel();
    ASSERT_TRUE(runner.waitForFinished(60000));
    EXPECT_EQ(runner.exitCode(), 2);
    EXPECT_TRUE(runner.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(runner.readAllStandardError().contains("line 2"));
}

}  // namespace
