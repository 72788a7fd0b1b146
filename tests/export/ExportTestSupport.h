#pragma once
// The window computed from the sample data, and poppler's tools for reading
// back what a PDF holds.
#include <QProcess>
#include <QString>
#include <QStringList>

#include "Unit1.h"

inline void ComputeSampleData(TForm1& form)
{
    form.Button2Click();
    form.Button3Click();
}

// Standard output of a poppler tool run on the file ("-" as the output file
// where the tool needs one).
inline QString Poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(tool, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfText(const QString& path)
{
    return Poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}
inline QString PdfInfo(const QString& path) { return Poppler(QStringLiteral("pdfinfo"), {path}); }
