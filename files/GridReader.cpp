#include "GridReader.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "Utf8Text.h"

namespace {

std::string LineText(std::size_t line) { return "输入第 " + std::to_string(line) + " 行"; }

// The lines the separators are chosen from.
constexpr std::size_t SampledLines = 100;

// What the first lines of a file hold outside quotes.
struct TSeparatorsSeen {
    bool Tab = false, Semicolon = false, Comma = false;
    std::size_t FirstCommaLine = 0;
};

TSeparatorsSeen SeenSeparators(std::string_view head)
{
    TSeparatorsSeen seen;
    bool quoted = false;
    std::size_t line = 1;
    for (const char c : head) {
        if (c == '"') {
            quoted = !quoted;  // a doubled quote turns it twice
        } else if (c == '\n') {
            if (++line > SampledLines)
                break;
        } else if (!quoted) {
            seen.Tab = seen.Tab || c == '\t';
            seen.Semicolon = seen.Semicolon || c == ';';
            if (c == ',' && !seen.Comma) {
                seen.Comma = true;
                seen.FirstCommaLine = line;
            }
        }
    }
    return seen;
}

TGridSeparators ChooseSeparators(std::string_view head, const std::optional<std::string>& decimalOption,
                                 const std::string& localeDecimal, std::optional<char> fieldOption)
{
    const TSeparatorsSeen seen = SeenSeparators(head);
    TGridSeparators chosen;
    chosen.Field = fieldOption ? *fieldOption : seen.Tab ? '\t' : seen.Semicolon ? ';' : seen.Comma ? ',' : '\0';
    if (decimalOption)
        chosen.Decimal = *decimalOption;
    else if ((chosen.Field == '\t' || chosen.Field == ';') && seen.Comma)
        chosen.Decimal.assign(1, ',');  // not = ",", which GCC 12 misreads as an overlapping copy
    else
        chosen.Decimal = localeDecimal;
    if (chosen.Field != '\0' && chosen.Decimal == std::string(1, chosen.Field))
        throw TInputError(LineText(seen.FirstCommaLine) + "：字段分隔符和小数分隔符都是“" + chosen.Decimal +
                          "”，无法区分；请用分号或制表符分隔字段，或用 --decimal-separator 指定另一个小数分隔符");
    return chosen;
}

// Digits with signs, exponent letters, blanks and separators only: a number,
// however it is written.
bool LooksLikeNumber(std::string_view field)
{
    return std::any_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           std::all_of(field.begin(), field.end(), [](char c) {
               return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == ',' || c == 'e' || c == 'E' ||
                      c == ' ';
           });
}

class TGridParser {
public:
    TGridParser(TGridSeparators separators, std::uint64_t maxArea)
        : separators_(std::move(separators)),
          maxArea_(maxArea)
    {}

    void Feed(const char* data, std::size_t size)
    {
        for (std::size_t i = 0; i < size && !Full(); ++i)
            Take(data[i]);
    }

    bool Full() const
    {
        return maxArea_ > 0 && std::uint64_t(grid_.ColCount()) * std::uint64_t(grid_.RowCount()) >= maxArea_;
    }

    TBatchGrid Finish()
    {
        if (Full())
            return std::move(grid_);
        if (state_ == State::Quoted)
            throw TInputError(LineText(quoteLine_) + "的引号没有闭合");
        if (rowHasContent_)
            EndRow();
        if (!grid_.HasNonEmptyCell())
            throw TInputError("输入中没有任何测量值（输入为空或只有空字段）");
        const std::uint64_t area = std::uint64_t(grid_.ColCount()) * std::uint64_t(grid_.RowCount());
        if (area - grid_.FieldCount() > MaxMissingCells)
            throw TInputError("各行字段数相差太大：" + std::to_string(grid_.RowCount()) + " 行中最长一行有 " +
                              std::to_string(grid_.ColCount()) + " 个字段，短行之后缺少的单元格超过 " +
                              std::to_string(MaxMissingCells) + " 个");
        return std::move(grid_);
    }

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    bool IsSeparator(char c) const { return c != '\0' && c == separators_.Field; }

    void Take(char c)
    {
        if (c == '\0')
            throw TInputError(LineText(line_) + "含有 NUL 字节：输入不是文本");
        const bool lfOfCrlf = c == '\n' && previousCr_;
        previousCr_ = c == '\r';
        if (lfOfCrlf && rowEndedByCr_) {
            rowEndedByCr_ = false;
            return;
        }
        rowEndedByCr_ = false;
        if (++recordBytes_ > MaxLineBytes)
            throw TInputError(LineText(line_) + "超过 " + std::to_string(MaxLineBytes >> 20) + " MiB");
        if (state_ == State::Quoted) {
            if (c == '"')
                state_ = State::QuoteInQuoted;
            else {
                if (!lfOfCrlf)
                    CountLineBreak(c);
                field_ += c;
            }
            return;
        }
        if (state_ == State::QuoteInQuoted) {
            if (c == '"') {
                field_ += c;
                state_ = State::Quoted;
                return;
            }
            state_ = State::Unquoted;  // text after the closing quote joins the field
        }
        rowHasContent_ = true;
        if (IsSeparator(c)) {
            EndField();
        } else if (c == '\n' || c == '\r') {
            CountLineBreak(c);
            EndRow();
            rowEndedByCr_ = c == '\r';
        } else if (c == '"' && state_ == State::FieldStart) {
            state_ = State::Quoted;
            quoteLine_ = line_;
        } else {
            field_ += c;
            state_ = State::Unquoted;
        }
    }

    void CountLineBreak(char c)
    {
        if (c == '\n' || c == '\r')
            ++line_;
    }

    void EndField()
    {
        if (!IsValidUtf8(field_))
            throw TInputError(LineText(fieldLine_) + "第 " + std::to_string(fieldIndex_ + 1) +
                              " 个字段不是有效的 UTF-8 文本");
        CheckNumberSeparators();
        grid_.AddCell(field_);
        field_.clear();
        ++fieldIndex_;
        fieldLine_ = line_;
        state_ = State::FieldStart;
    }

    // A number must not be split in two or read with the wrong separator silently.
    void CheckNumberSeparators() const
    {
        if (!LooksLikeNumber(field_))
            return;
        const auto commas = std::count(field_.begin(), field_.end(), ',');
        const auto points = std::count(field_.begin(), field_.end(), '.');
        const auto decimals = separators_.Decimal == "," ? commas : points;
        if ((commas > 0 && points > 0) || decimals > 1)
            throw TInputError(LineText(fieldLine_) + "第 " + std::to_string(fieldIndex_ + 1) + " 个字段“" + field_ +
                              "”" + (decimals > 1 ? "含有多个小数分隔符" : "同时含有“,”和“.”") +
                              "：无法确定小数分隔符，请检查文件或用 --decimal-separator 指定");
    }

    void EndRow()
    {
        EndField();
        grid_.EndRow();
        fieldIndex_ = 0;
        recordBytes_ = 0;
        rowHasContent_ = false;
    }

    const TGridSeparators separators_;
    const std::uint64_t maxArea_;
    TBatchGrid grid_;
    std::string field_;
    State state_ = State::FieldStart;
    bool previousCr_ = false;
    bool rowEndedByCr_ = false;  // its LF, if one follows, belongs to that line end
    bool rowHasContent_ = false;
    std::size_t line_ = 1, fieldLine_ = 1, quoteLine_ = 1;
    std::size_t fieldIndex_ = 0;
    std::size_t recordBytes_ = 0;
};

}  // namespace

TReadGrid ReadGrid(std::istream& in, const std::optional<std::string>& decimalOption, const std::string& localeDecimal,
                   std::uint64_t maxArea, std::optional<char> fieldOption)
{
    std::vector<char> buffer(std::size_t(1) << 20);
    std::optional<TGridParser> parser;
    std::optional<TGridSeparators> separators;
    while (in && !(parser && parser->Full())) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        std::size_t size = static_cast<std::size_t>(in.gcount());
        const char* data = buffer.data();
        if (!parser) {
            // A piece holds at least three bytes unless the input is shorter.
            const std::string_view head(data, size < 3 ? size : 3);
            if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF"))
                throw TInputError("输入是 UTF-16 编码：请存为 UTF-8");
            if (head == "\xEF\xBB\xBF") {
                data += 3;
                size -= 3;
            }
            // The separators are chosen before any value is read.
            separators = ChooseSeparators(std::string_view(data, size), decimalOption, localeDecimal, fieldOption);
            parser.emplace(*separators, maxArea);
        }
        parser->Feed(data, size);
    }
    if (in.bad())
        throw TInputError("读取输入失败");
    const bool truncated = parser && parser->Full();
    if (!parser) {
        separators = ChooseSeparators({}, decimalOption, localeDecimal, fieldOption);
        parser.emplace(*separators, maxArea);
    }
    return {parser->Finish(), *separators, truncated};
}
