#include "CapabilityGrade.h"

#include "Errors.h"
#include "NumberText.h"

namespace {

// Lower bounds in hundredths; read as the number texts read "1.67".
struct TBound {
    int Hundredths;
    TCapabilityGrade Grade;
};

const TBound Grades[] = {
    {200,
     {QStringLiteral("A++"), QStringLiteral("CPK ≥ 2.00"), QStringLiteral("过程能力极充足，可考虑放宽检验或降低成本")}},
    {167, {QStringLiteral("A+"), QStringLiteral("1.67 ≤ CPK < 2.00"), QStringLiteral("过程能力充足，应继续保持")}},
    {133,
     {QStringLiteral("A"), QStringLiteral("1.33 ≤ CPK < 1.67"),
      QStringLiteral("过程能力良好，状态稳定，宜提升至 A+ 级")}},
    {100,
     {QStringLiteral("B"), QStringLiteral("1.00 ≤ CPK < 1.33"),
      QStringLiteral("过程能力尚可，稍有变异即有不良风险，应改进至 A 级")}},
    {67,
     {QStringLiteral("C"), QStringLiteral("0.67 ≤ CPK < 1.00"), QStringLiteral("过程能力不足，不良品较多，必须改进")}},
};

const TCapabilityGrade Lowest{QStringLiteral("D"), QStringLiteral("CPK < 0.67"),
                              QStringLiteral("过程能力严重不足，应停产整改或重新设计过程")};

}  // namespace

TCapabilityGrade GradeOfCpkText(const QString& cpkText)
{
    Extended value = 0;
    try {
        value = ParseDecimalText(cpkText.toStdString());
    } catch (const Exception&) {
        return {};
    }
    for (const TBound& bound : Grades)
        if (value >= Extended(bound.Hundredths) / 100)
            return bound.Grade;
    return Lowest;
}

std::vector<TCapabilityGrade> CapabilityGrades()
{
    std::vector<TCapabilityGrade> grades;
    for (const TBound& bound : Grades)
        grades.push_back(bound.Grade);
    grades.push_back(Lowest);
    return grades;
}
