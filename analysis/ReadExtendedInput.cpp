#include "ReadExtendedInput.h"

#include "Errors.h"
#include "NumberText.h"

std::optional<double> ReadTypedValue(const std::string& text, const char* what, std::vector<std::string>& messages)
{
    if (text.empty())
        return std::nullopt;
    try {
        return ToDouble(ParseDecimalText(text));
    } catch (const Exception&) {
        messages.push_back(std::string(what) + "“" + text + "”不是有效数值，按未给出处理");
        return std::nullopt;
    }
}

TExtendedInput ReadExtendedInput(const TWindowModel& window, TWithinSigmaMethod method, double confidence,
                                 TSubgroupChoice subgroups)
{
    TExtendedInput in;
    in.Subgroups = subgroups;
    in.Method = method;
    in.Confidence = confidence;
    in.USL = ReadTypedValue(window.Text(Field::Usl), "规格上限", in.ReadingMessages);
    in.Target = ReadTypedValue(window.Text(Field::Target), "目标值", in.ReadingMessages);
    in.LSL = ReadTypedValue(window.Text(Field::Lsl), "规格下限", in.ReadingMessages);
    try {
        in.SubgroupSize = ParseIntegerText(window.Text(Field::SubgroupSize));
    } catch (const Exception&) {
        in.SubgroupSize = 0;
        if (subgroups == TSubgroupChoice::Size)
            in.ReadingMessages.push_back("子组容量“" + window.Text(Field::SubgroupSize) + "”不是有效整数");
    }
    const int rows = window.RowCount(), cols = window.ColCount();
    for (int row = 0; row < rows; ++row) {
        const size_t before = in.Values.size();
        for (int col = 0; col < cols; ++col) {
            const std::string text = window.Cell(col, row);
            if (text.empty())
                continue;
            try {
                in.Values.push_back(ToDouble(ParseDecimalText(text)));
            } catch (const Exception&) {
                in.ReadingMessages.push_back("第 " + std::to_string(row + 1) + " 行第 " + std::to_string(col + 1) +
                                             " 列“" + text + "”不是有效数值，未计入");
            }
        }
        if (in.Values.size() > before)
            in.RowSizes.push_back(static_cast<int>(in.Values.size() - before));
    }
    return in;
}
