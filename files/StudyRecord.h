#pragma once
// The study file (.cpkx): the user's work as JSON in UTF-8 (docs/study-file.md).
// It holds the grid's stored texts exactly, its counts, the four input
// fields, the decimal separator they were written with, the choices of
// the window 扩展分析 and the study information. Read by the window and by the batch program.
#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include <vector>

#include "StudyInfo.h"

inline constexpr char StudyFormatName[] = "cpk-xr-study";
inline constexpr int StudyFormatVersion = 1;
// The grid's bound, which no study exceeds.
inline constexpr int MaxStudyCells = 100000;

struct TStudyCell {
    int Col;
    int Row;
    QString Text;
};

struct TStudy {
    int ColCount = 5;
    int RowCount = 10;
    std::vector<TStudyCell> Cells;  // rows, then columns
    QMap<QString, QString> Inputs;  // Edit6, Edit7, Edit8, Edit32
    QString DecimalSeparator;
    QJsonObject Extended;  // objectName: the selector's data key or the field's text
    TStudyInfo Info;
};

QByteArray StudyJson(const TStudy& study);
// Throws TFileError naming fileName: not JSON, not a study file, a newer version.
TStudy ParseStudy(const QByteArray& bytes, const QString& fileName);
// Number texts written with the study's decimal separator are rewritten with
// the one in force.
TStudy WithDecimalSeparator(TStudy study, const QString& decimal);
