#pragma once
// Runs the scenario runner (SCENARIO_RUNNER, set by the test's target) on a
// script, with start-up arguments and an environment if given; its dumps, one
// object each. The run must end with status 0.
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>

#include <gtest/gtest.h>

inline QList<QJsonObject>
ScenarioDumps(const QString& script, const QStringList& arguments = {},
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess runner;
    runner.setProcessEnvironment(environment);
    runner.start(QStringLiteral(SCENARIO_RUNNER), arguments);
    runner.write(script.toUtf8());
    runner.closeWriteChannel();
    EXPECT_TRUE(runner.waitForFinished(60000));
    EXPECT_EQ(runner.exitCode(), 0) << runner.readAllStandardError().toStdString();
    QList<QJsonObject> dumps;
    for (const QByteArray& line : runner.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            dumps << QJsonDocument::fromJson(line).object();
    return dumps;
}
