// The charts out of the window: SVG, PDF and PNG files drawn by the chart
// itself at its window size, the clipboard's image, and a failed save.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "ChartControl.h"
#include "ChartDump.h"
#include "ChartImageExport.h"
#include "Errors.h"
#include "ExportTestSupport.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct TSvgContents {
    QList<int> PolylinePointCounts;
    QStringList Texts;
};

TSvgContents ReadSvg(const QByteArray& svg)
{
    TSvgContents contents;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("polyline"))
            contents.PolylinePointCounts << int(xml.attributes()
                                                    .value(QLatin1String("points"))
                                                    .toString()
                                                    .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                                    .size());
        else if (xml.name() == QLatin1String("text"))
            contents.Texts << xml.readElementText().trimmed();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return contents;
}

class ChartFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ComputeSampleData(form_);
    }
    TChartControl& Chart(const char* name) { return *form_.Chart(QString::fromLatin1(name)); }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    TForm1 form_;
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(ChartFiles, SvgHoldsTheDataLineAndTheAxisLabelsAsVectorsAndText)
{
    TChartControl& chart2 = Chart("Chart2");
    SaveChartImage(chart2, Path("chart2.svg"));
    const TSvgContents svg = ReadSvg(ReadFile(Path("chart2.svg")));
    EXPECT_TRUE(svg.PolylinePointCounts.contains(25));
    // The labels the chart computed for its window size, each as real text.
    const QJsonObject axes =
        ChartDumpJson(chart2.Chart(), LayOutChart(chart2.Chart(), chart2.width(), chart2.height()))["paint"]
            .toObject()["axes"]
            .toObject();
    int labels = 0;
    for (const char* axis : {"left", "bottom"})
        for (const QJsonValue label : axes[QLatin1String(axis)].toObject()["labels"].toArray()) {
            EXPECT_TRUE(svg.Texts.contains(label.toObject()["text"].toString()))
                << label.toObject()["text"].toString().toStdString();
            ++labels;
        }
    EXPECT_GT(labels, 10);
}

TEST_F(ChartFiles, PdfIsOnePageWithTheChineseTitleAsText)
{
    SaveChartImage(Chart("Chart1"), Path("chart1.PDF"));
    EXPECT_TRUE(ReadFile(Path("chart1.PDF")).startsWith("%PDF-"));
    const QString info = PdfInfo(Path("chart1.PDF"));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("579 x 142.5 pts")) || info.contains(QStringLiteral("579 x 143 pts")))
        << info.toStdString();  // 772 x 190 pixels at 96 per inch
    EXPECT_TRUE(PdfText(Path("chart1.PDF")).contains(QString::fromUtf8("均值控制图")));
}

TEST_F(ChartFiles, PngHasTwiceThePixelsAndTheDataLineInItsColour)
{
    TChartControl& chart2 = Chart("Chart2");
    SaveChartImage(chart2, Path("chart2.png"));
    QImage image;
    ASSERT_TRUE(image.loadFromData(ReadFile(Path("chart2.png")), "PNG"));
    EXPECT_EQ(image.size(), 2 * chart2.size());
    // Midway along the long segment from the 8th to the 9th value, away from their marks.
    const TChartLayout layout = LayOutChart(chart2.Chart(), chart2.width(), chart2.height());
    const TChartSeries& data = *chart2.Chart().FindSeries("Series6");
    const auto at = [&](std::size_t i) {
        return QPoint(layout.Axis(akBottom).CalcPosValue(data.XValues()[i]),
                      layout.Axis(akLeft).CalcPosValue(data.YValues()[i]));
    };
    const QPoint middle = (at(7) + at(8)) / 2 * 2;
    int blue = 0;
    for (int dx = -2; dx <= 2; ++dx)
        blue += image.pixelColor(middle + QPoint(dx, 0)) == QColor(0, 0, 255);
    EXPECT_GE(blue, 2) << middle.x() << "," << middle.y();
}

TEST_F(ChartFiles, CopyImagePutsAnImageAndItsSvgOnTheClipboard)
{
    QGuiApplication::clipboard()->clear();
    CopyChartImage(Chart("cht1"));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(772, 486));
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

TEST_F(ChartFiles, AFailedSaveNamesTheFileAndLeavesNothingBehind)
{
    // The target is a folder: the temporary file is written, then cannot take its place.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("taken.svg")));
    const auto message = [&](const QString& path) {
        try {
            SaveChartImage(Chart("Chart2"), path);
        } catch (const Exception& error) {
            return QString::fromStdString(error.Message());
        }
        return QString();
    };
    for (const QString& path : {Path("taken.svg"), Path("missing/chart.svg"), Path("chart.bmp")}) {
        const QString text = message(path);
        EXPECT_TRUE(text.startsWith(QString::fromUtf8("无法保存文件“"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(path))) << text.toStdString();
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"taken.svg"});
    EXPECT_TRUE(QDir(Path("taken.svg")).isEmpty());
}
