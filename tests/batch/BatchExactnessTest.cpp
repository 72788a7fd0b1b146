// The batch mode against the real window: the same seeded random grids and
// inputs go through the scenario runner and through the batch run; texts,
// memos, the error and the four charts (points and paint) must be equal.
// CPK_BATCH_EXACTNESS_SETS raises the number of sets (default 120), and
// CPK_BATCH_EXACTNESS_SEED repeats a run.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "BatchRun.h"
#include "WindowFields.h"

namespace {

using TRandom = std::mt19937_64;

struct TDataSet {
    std::string Decimal;  // "." or ","
    std::vector<std::vector<std::string>> Rows;
    std::string Usl, Target, Lsl, SubgroupSize;
    bool MayFail = false;  // compared in a window of its own
};

int Pick(TRandom& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

std::string Number(TRandom& random, double value, const std::string& decimal)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", Pick(random, 0, 5), value);
    std::string s = text;
    if (const auto dot = s.find('.'); dot != std::string::npos)
        s.replace(dot, 1, decimal);
    return s;
}

TDataSet RandomDataSet(TRandom& random)
{
    TDataSet set;
    set.Decimal = Pick(random, 0, 1) ? "." : ",";
    // Now and then thousands, whose axis labels are grouped.
    const double scale = Pick(random, 0, 4) == 0 ? 100 : 1;
    const double target = std::uniform_real_distribution<double>(-50, 150)(random) * scale;
    const double spread = std::uniform_real_distribution<double>(0.01, 5)(random) * scale;
    std::normal_distribution<double> reading(target + Pick(random, -2, 2) * spread / 2, spread);
    // Mostly what the window's 50 cells hold, now and then more in an enlarged grid.
    const int cols = Pick(random, 1, 7), rows = Pick(random, 1, (Pick(random, 0, 9) ? 60 : 300) / cols);
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string>& row = set.Rows.emplace_back();
        const int fields = Pick(random, 0, 9) == 0 ? Pick(random, 1, cols) : cols;  // ragged now and then
        for (int c = 0; c < fields; ++c)
            row.push_back(Pick(random, 0, 15) == 0 ? "" : Number(random, reading(random), set.Decimal));
    }
    set.Usl = Number(random, target + 3 * spread, set.Decimal);
    set.Target = Number(random, target, set.Decimal);
    set.Lsl = Number(random, target - 3 * spread, set.Decimal);
    set.SubgroupSize = std::to_string(Pick(random, 2, 10));
    // The failure cases: non-numbers, subgroup sizes 0, 1 and 26, equal limits, the other separator.
    switch (Pick(random, 0, 23)) {
    case 0: set.Rows[0][0] = "abc"; break;
    case 1: set.SubgroupSize = std::to_string(Pick(random, 0, 1) ? 0 : Pick(random, 0, 1) ? 1 : 26); break;
    case 2: set.Lsl = set.Usl; break;
    case 3: set.Usl = Pick(random, 0, 1) ? "" : "1e5000"; break;
    case 4: set.Rows.back().push_back(set.Decimal == "." ? "25,5" : "25.5"); break;
    case 5: set.SubgroupSize = "x"; break;
    default: return set;
    }
    set.MayFail = true;
    return set;
}

// Quoted when it holds a character that separates fields.
std::string CsvField(const std::string& text)
{
    return text.find_first_of(",;\t") == std::string::npos ? text : "\"" + text + "\"";
}

std::string FileText(const TDataSet& set, TRandom& random)
{
    const char separators[] = {set.Decimal == "." ? ',' : ';', '\t'};
    const char separator = separators[Pick(random, 0, 1)];
    std::string text;
    for (const auto& row : set.Rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c)
                text += separator;
            text += CsvField(row[c]);
        }
        text += Pick(random, 0, 1) ? "\r\n" : "\n";
    }
    return text;
}

// The scenario-runner escapes of a VALUE.
std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char c : text)
        out += c == '\\' ? "\\\\" : c == '\t' ? "\\t" : std::string(1, c);
    return out;
}

std::string WindowScript(const TDataSet& set)
{
    std::string script = "locale " + set.Decimal + (set.Decimal == "." ? " ,\n" : " .\n");
    script += "click Button8\n";
    script += "text Edit6 " + Escaped(set.Usl) + "\ntext Edit7 " + Escaped(set.Target) + "\ntext Edit8 " +
              Escaped(set.Lsl) + "\ntext Edit32 " + Escaped(set.SubgroupSize) + "\n";
    for (std::size_t r = 0; r < set.Rows.size(); ++r)
        for (std::size_t c = 0; c < set.Rows[r].size(); ++c)
            if (!set.Rows[r][c].empty())
                script += "cell " + std::to_string(c) + " " + std::to_string(r) + " " + Escaped(set.Rows[r][c]) + "\n";
    return script + "click Button3\ndump\n";
}

// A grid of 8 columns and 300 rows, so that every set's cells are read: a
// paste of 4 x 291 cells at (4, 9), and the enlarging answered.
std::string EnlargeGrid()
{
    std::string block;
    for (int row = 0; row < 291; ++row)
        block += row ? "\\nx\\tx\\tx\\tx" : "x\\tx\\tx\\tx";
    return "current 4 9\nclipboard " + block + "\nanswer 扩大表格\nkey Ctrl+V\n";
}

QList<QJsonObject> Dumps(QProcess& runner)
{
    QList<QJsonObject> dumps;
    for (const QByteArray& line : runner.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            dumps << QJsonDocument::fromJson(line).object();
    return dumps;
}

// The whole file is the grid, as typed into the window: no header row and
// every column, whatever the guesses would leave out.
QJsonObject RunBatchJson(const TDataSet& set, const std::string& fileText, int& status)
{
    std::size_t width = 0;
    for (const auto& row : set.Rows)
        width = std::max(width, row.size());
    std::string columns;
    for (std::size_t col = 1; col <= width; ++col)
        columns += (col > 1 ? "," : "") + std::to_string(col);
    const std::vector<std::string> args = {"--format",
                                           "json",
                                           "--chart-points",
                                           "--decimal-separator",
                                           set.Decimal,
                                           "--usl",
                                           set.Usl,
                                           "--target",
                                           set.Target,
                                           "--lsl",
                                           set.Lsl,
                                           "--subgroup-size",
                                           set.SubgroupSize,
                                           "--header-rows",
                                           "0",
                                           "--columns",
                                           columns};
    std::istringstream in(fileText);
    std::ostringstream out, err;
    status = RunBatch(args, in, out, err);
    return QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

void ExpectSameAsWindow(const QJsonObject& window, const QJsonObject& batch, int status, const std::string& what)
{
    SCOPED_TRACE(what + ", window errors " + QJsonDocument(window["errors"].toArray()).toJson().toStdString());
    ASSERT_FALSE(window.isEmpty());
    ASSERT_FALSE(batch.isEmpty()) << "status " << status;
    const QJsonObject edits = window["edits"].toObject(), labels = window["labels"].toObject();
    const QJsonObject results = batch["results"].toObject(), memos = batch["memos"].toObject();
    for (const TWindowField* field : WindowFields()) {
        const QString control = Q(field->Control), key = Q(field->Key);
        if (field->Role == TFieldRole::Result) {
            const QJsonValue shown = edits.contains(control) ? edits[control] : labels[control];
            EXPECT_EQ(results[key].toObject()["text"].toString().toStdString(), shown.toString().toStdString())
                << field->Key;
        } else if (field->Role == TFieldRole::Memo) {
            EXPECT_EQ(memos[key].toObject()["lines"].toArray(), window["memos"].toObject()[control].toArray())
                << field->Key;
        }
    }
    const QJsonArray errors = window["errors"].toArray();
    EXPECT_EQ(status, errors.isEmpty() ? 0 : 1);
    EXPECT_EQ(batch["error"], errors.isEmpty() ? QJsonValue(QJsonValue::Null) : errors.last()["text"]);
    const QJsonObject windowCharts = window["charts"].toObject(), batchCharts = batch["charts"].toObject();
    EXPECT_EQ(batchCharts.keys(), windowCharts.keys());
    for (const QString& chart : windowCharts.keys())
        EXPECT_EQ(batchCharts[chart], windowCharts[chart]) << chart.toStdString();
}

int FromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : fallback;
}

// Several runners at once: each takes a while to start.
std::vector<QList<QJsonObject>> RunWindows(const std::vector<std::string>& scripts)
{
    std::vector<QList<QJsonObject>> dumps;
    constexpr std::size_t AtOnce = 4;
    for (std::size_t first = 0; first < scripts.size(); first += AtOnce) {
        std::vector<std::unique_ptr<QProcess>> runners;
        for (std::size_t i = first; i < std::min(first + AtOnce, scripts.size()); ++i) {
            runners.push_back(std::make_unique<QProcess>());
            runners.back()->start(QStringLiteral(SCENARIO_RUNNER), {});
            runners.back()->write(QByteArray::fromStdString(EnlargeGrid() + scripts[i]));
            runners.back()->closeWriteChannel();
        }
        for (auto& runner : runners) {
            runner->waitForFinished(120000);
            dumps.push_back(Dumps(*runner));
        }
    }
    return dumps;
}

}  // namespace

TEST(BatchExactness, RandomGridsGiveTheWindowsTextsAndCharts)
{
    const int seed = FromEnvironment("CPK_BATCH_EXACTNESS_SEED", 15);
    const int count = FromEnvironment("CPK_BATCH_EXACTNESS_SETS", 120);
    TRandom random(static_cast<std::uint64_t>(seed));
    struct TRun {
        std::string Script;
        QJsonObject Batch;
        int Status = 0;
    };
    std::vector<TRun> runs(static_cast<std::size_t>(count));
    // A run to its end writes every result, so those share one window; a
    // stopped one shows what earlier runs left and gets a fresh window.
    std::string shared;
    std::vector<std::size_t> inShared, alone;
    std::vector<std::string> aloneScripts;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const TDataSet set = RandomDataSet(random);
        runs[i].Batch = RunBatchJson(set, FileText(set, random), runs[i].Status);
        if (runs[i].Status == 0) {
            shared += WindowScript(set);
            inShared.push_back(i);
        } else {
            aloneScripts.push_back(WindowScript(set));
            alone.push_back(i);
        }
    }
    const std::vector<QList<QJsonObject>> sharedDumps = RunWindows({shared});
    ASSERT_EQ(sharedDumps[0].size(), qsizetype(inShared.size()));
    const std::vector<QList<QJsonObject>> aloneDumps = RunWindows(aloneScripts);

    const auto where = [&](std::size_t i) { return "seed " + std::to_string(seed) + ", set " + std::to_string(i); };
    for (std::size_t k = 0; k < inShared.size(); ++k)
        ExpectSameAsWindow(sharedDumps[0][k], runs[inShared[k]].Batch, runs[inShared[k]].Status, where(inShared[k]));
    for (std::size_t k = 0; k < alone.size(); ++k) {
        ASSERT_EQ(aloneDumps[k].size(), 1);
        ExpectSameAsWindow(aloneDumps[k][0], runs[alone[k]].Batch, runs[alone[k]].Status, where(alone[k]));
    }
    EXPECT_GE(alone.size(), runs.size() / 8) << "the failure cases are too rare to count";
}

// Cans's 100 readings in 20 rows of an enlarged grid, with the extended
// analysis open in the window and asked for in the batch.
TEST(BatchExactness, CansWithTheExtendedAnalysisAsInTheWindow)
{
    std::ifstream file(TEST_DATA_DIR "/cans.csv");
    std::string text, reading;
    TDataSet set{".", {}, "12.05", "12", "11.95", "5"};
    for (int i = 0; file >> reading; ++i) {
        if (i % 5 == 0)
            set.Rows.emplace_back();
        set.Rows.back().push_back(reading);
        text += reading;
        text += i % 5 == 4 ? '\n' : '\t';
    }
    std::string script = WindowScript(set);
    script.insert(script.rfind("dump"), "action actionExtendedAnalysis\n");
    const std::vector<QList<QJsonObject>> dumps = RunWindows({script});
    ASSERT_EQ(dumps[0].size(), 1);

    const std::vector<std::string> args = {"--format", "json",  "--chart-points", "--extended", "--decimal-separator",
                                           ".",        "--usl", "12.05",          "--target",   "12",
                                           "--lsl",    "11.95"};
    std::istringstream in(text);
    std::ostringstream out, err;
    const int status = RunBatch(args, in, out, err);
    const QJsonObject batch = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    ExpectSameAsWindow(dumps[0][0], batch, status, "Cans");
    EXPECT_EQ(batch["extended"], dumps[0][0]["extended"]);
    EXPECT_EQ(batch["extended"]["count"].toInt(), 100);
}

// Readings in rows of five, as the window's grid holds them.
TDataSet FiveToARow(const std::vector<std::string>& readings, std::string usl, std::string target, std::string lsl)
{
    TDataSet set{".", {}, std::move(usl), std::move(target), std::move(lsl), "5"};
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (i % 5 == 0)
            set.Rows.emplace_back();
        set.Rows.back().push_back(readings[i]);
    }
    return set;
}

// Spans far below one unit and values far from it, whose run-chart margins
// follow the span: the window and the batch draw the same charts, also where
// the computation stops with an error after the first chart.
TEST(BatchExactness, SmallAndExtremeSpansGiveTheWindowsCharts)
{
    std::ifstream file(TEST_DATA_DIR "/diameter.csv");
    std::vector<std::string> diameter;
    for (std::string reading; file >> reading;)
        diameter.push_back(reading);
    std::vector<std::string> tiny, subnormal, ulp, huge;
    for (int i = 0; i < 25; ++i) {
        tiny.push_back("1." + std::to_string(100 + i * 37 % 100) + "e-30");  // span 1e-30 at 1e-30
        subnormal.push_back(std::to_string(1 + i * 3 % 9) + "e-45");         // Single subnormals
        ulp.push_back(i * 7 % 3 ? "10000000" : "10000001");                  // one Single ulp at 1e7
        huge.push_back("1.000" + std::to_string(i * 7 % 10) + "e30");
    }
    const std::vector<TDataSet> sets = {
        FiveToARow(diameter, "12.05", "12", "11.95"),      FiveToARow(tiny, "3e-30", "1.5e-30", "0"),
        FiveToARow(subnormal, "1e-44", "5e-45", "0"),      FiveToARow(ulp, "10000002", "10000001", "9999999"),
        FiveToARow(huge, "1.002e30", "1.0005e30", "1e30"),
    };
    TRandom random(24);
    std::vector<std::string> scripts;
    std::vector<QJsonObject> batches;
    std::vector<int> statuses(sets.size());
    for (std::size_t i = 0; i < sets.size(); ++i) {
        batches.push_back(RunBatchJson(sets[i], FileText(sets[i], random), statuses[i]));
        scripts.push_back(WindowScript(sets[i]));
    }
    const std::vector<QList<QJsonObject>> dumps = RunWindows(scripts);
    for (std::size_t i = 0; i < sets.size(); ++i) {
        ASSERT_EQ(dumps[i].size(), 1);
        ExpectSameAsWindow(dumps[i][0], batches[i], statuses[i], "span set " + std::to_string(i));
    }
    EXPECT_EQ(statuses[0], 0);
    EXPECT_EQ(statuses[3], 0);
}
