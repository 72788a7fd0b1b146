#pragma once
// The grade Chinese shops give a CPK, with what it means for the process.
// Each grade starts at its lower bound: a CPK of exactly 1.33 is grade A.
#include <QString>

#include <vector>

struct TCapabilityGrade {
    QString Grade;      // "A++", "A+", "A", "B", "C", "D"; "" when the text is no number
    QString Range;      // the CPK range of the grade, e.g. "1.33 ≤ CPK < 1.67"
    QString Judgement;  // a short judgement in Chinese
};

// The grade of a CPK as the window shows it (its number settings).
TCapabilityGrade GradeOfCpkText(const QString& cpkText);

// The whole grade table, best first, for the report's legend.
std::vector<TCapabilityGrade> CapabilityGrades();
