#pragma once
// The study file (.cpkx): the user's work as JSON in UTF-8 (docs/study-file.md).
// It holds the grid's stored texts exactly, its counts, the four input
// fields, the decimal separator they were written with and the choices of
// the window 扩展分析.
#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include <vector>

#include "GridCells.h"

class TForm1;

inline constexpr char StudyFormatName[] = "cpk-xr-study";
inline constexpr int StudyFormatVersion = 1;

struct TStudy {
    int ColCount = 5;
    int RowCount = 10;
    std::vector<TStoredCell> Cells;
    QMap<QString, QString> Inputs;  // Edit6, Edit7, Edit8, Edit32
    QString DecimalSeparator;
    QJsonObject Extended;  // objectName: the selector's data key or the field's text
};

TStudy CaptureStudy(const TForm1& form);
QByteArray StudyJson(const TStudy& study);
// Throws TFileError naming fileName: not JSON, not a study file, a newer version.
TStudy ParseStudy(const QByteArray& bytes, const QString& fileName);
// Number texts written with the study's decimal separator are rewritten with
// the one in force.
TStudy WithDecimalSeparator(TStudy study, const QString& decimal);
// The grid (as one undo step) and the fields; the extended choices when the
// window 扩展分析 is open or the study has some.
void ApplyStudy(TForm1& form, const TStudy& study);
