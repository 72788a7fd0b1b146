#include "ComputeErrorExplanation.h"

#include <optional>
#include <string_view>

#include "Errors.h"
#include "Extended.h"
#include "NumberText.h"

namespace {

constexpr std::string_view SubgroupRange = "请输入 2 到 25 之间的整数";

// A cell as the user counts it: rows and columns from 1.
std::string CellName(int col, int row)
{
    return "第 " + std::to_string(row + 1) + " 行第 " + std::to_string(col + 1) + " 列";
}

// The text quoted in a sentence, cut to a readable length (never inside a character).
std::string Shown(const std::string& text)
{
    constexpr std::size_t MaxBytes = 60;
    if (text.size() <= MaxBytes)
        return "“" + text + "”";
    std::size_t cut = MaxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "“" + text.substr(0, cut) + "…”";
}

std::string FieldName(const TWindowField& field) { return std::string(field.Label) + "栏"; }

// The text between the first two single quotes of a message such as
// "'x' is not a valid floating point value."
std::optional<std::string> QuotedText(const std::string& message, std::string_view rest)
{
    if (message.empty() || message.front() != '\'')
        return std::nullopt;
    const std::size_t end = message.rfind("' " + std::string(rest));
    if (end == std::string::npos || end == 0)
        return std::nullopt;
    return message.substr(1, end - 1);
}

bool IsNumber(const std::string& text)
{
    try {
        ParseDecimalText(text);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool OverflowsSingle(const std::string& text)
{
    try {
        ToSingle(ParseDecimalText(text));
        return false;
    } catch (const EOverflow&) {
        return true;
    } catch (const Exception&) {
        return false;
    }
}

constexpr const TWindowField* Limits[] = {&Field::Usl, &Field::Target, &Field::Lsl};

// The first field or cell, in the command's reading order, whose text fits.
template <typename Fits>
std::string FirstCulprit(const TWindowModel& window, Fits&& fits, const std::string& fieldSentence,
                         const std::string& cellSentence)
{
    for (const TWindowField* field : Limits) {
        const std::string text = window.Text(*field);
        if (fits(text))
            return FieldName(*field) + "中的" + Shown(text) + fieldSentence;
    }
    for (int row = 0; row < window.RowCount(); ++row)
        for (int col = 0; col < window.ColCount(); ++col) {
            const std::string text = window.Cell(col, row);
            if (!text.empty() && fits(text))
                return CellName(col, row) + "的" + Shown(text) + cellSentence;
        }
    return {};
}

std::string NotANumber(const TWindowModel& window, const std::string& text)
{
    if (text.empty() && window.Cell(0, 0).empty())
        return CellName(0, 0) + "为空：计算从这个单元格读起，请把第一个读数填在第 1 行第 1 列。";
    const auto same = [&text](const std::string& candidate) { return candidate == text && !IsNumber(candidate); };
    std::string culprit = FirstCulprit(window, same, "不是数字：请输入一个数字（小数分隔符与系统设置相同）。",
                                       "不是数字：请更正或删除该单元格。");
    return culprit.empty() ? Shown(text) + "不是数字：请更正或删除它。" : culprit;
}

std::string InvalidOperation(const TCPKValue& record)
{
    // In the order the command's stages meet them.
    if (record.Count == 1)
        return "只有 1 个读数：计算标准差至少需要 2 个读数。";
    if (record.USL == record.LSL)
        return "上规格与下规格相等：请输入不同的规格限。";
    if (record.SubgroupSize == 1)
        return "子组大小为 1 时无法计算子组内的标准差：" + std::string(SubgroupRange) +
               "。单个读数的数据请用 计算 → 扩展分析（Ctrl+E）中的单值-移动极差（I-MR）图。";
    if (record.SubgroupSize > 1 && record.SubgroupCount == 0)
        return "读数只有 " + std::to_string(record.Count) + " 个，不足一个子组（子组大小 " +
               std::to_string(record.SubgroupSize) + "）：请补足读数或减小子组大小。";
    return "计算中出现无效运算：请检查读数和规格限。";
}

std::string DivisionByZero(const TCPKValue& record)
{
    if (record.StdDevAll == 0)
        return "所有读数都相同（标准差为 0）：无法计算过程能力，请检查读数。";
    if (record.USL == record.LSL)
        return "上规格与下规格相等：请输入不同的规格限。";
    if (record.SigmaWithin == 0 && record.SubgroupCount > 0)
        return "每个子组内的读数都相同（子组内标准差为 0）：无法计算子组内的过程能力，请检查读数或子组大小。";
    if (record.RBar == 0)
        return "每个子组的极差都为 0：无法计算均值和极差控制限，请检查读数或子组大小。";
    return "计算中出现除以零：请检查读数和规格限。";
}

}  // namespace

std::string ExplainComputeError(const TWindowModel& window, const TCPKValue* record, const std::string& message)
{
    if (const auto text = QuotedText(message, "is not a valid floating point value"))
        return NotANumber(window, *text);
    if (const auto text = QuotedText(message, "is not a valid integer value"))
        return FieldName(Field::SubgroupSize) + "中的" + Shown(*text) + "不是整数：" + std::string(SubgroupRange) +
               "。";
    if (message.starts_with("Subgroup size "))
        return FieldName(Field::SubgroupSize) + "超出了系数表的范围：" + std::string(SubgroupRange) + "。";
    if (message == "Division by zero.")
        return "子组大小为 0：" + std::string(SubgroupRange) + "。";
    if (message == "Floating point overflow.") {
        std::string culprit =
            FirstCulprit(window, OverflowsSingle, "超出了可计算的范围（绝对值须小于约 3.4E38）：请更正该数值。",
                         "超出了可计算的范围（绝对值须小于约 3.4E38）：请更正或删除该单元格。");
        return culprit.empty() ? "数值过大，计算溢出：请检查读数和规格限的数量级。" : culprit;
    }
    if (!record)
        return {};
    if (message == "Invalid floating point operation.")
        return InvalidOperation(*record);
    if (message == "Floating point division by zero.")
        return DivisionByZero(*record);
    return {};
}
