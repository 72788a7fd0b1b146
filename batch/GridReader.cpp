#include "GridReader.h"

#include <vector>

#include "Utf8Text.h"

namespace {

std::string LineText(std::size_t line) { return "输入第 " + std::to_string(line) + " 行"; }

class TGridParser {
public:
    explicit TGridParser(bool commaSeparates) : commaSeparates_(commaSeparates) {}

    void Feed(const char* data, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i)
            Take(data[i]);
    }

    TBatchGrid Finish()
    {
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

    bool IsSeparator(char c) const { return c == '\t' || c == ';' || (c == ',' && commaSeparates_); }

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
        grid_.AddCell(field_);
        field_.clear();
        ++fieldIndex_;
        fieldLine_ = line_;
        state_ = State::FieldStart;
    }

    void EndRow()
    {
        EndField();
        grid_.EndRow();
        fieldIndex_ = 0;
        recordBytes_ = 0;
        rowHasContent_ = false;
    }

    const bool commaSeparates_;
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

TBatchGrid ReadGrid(std::istream& in, const std::string& decimalSeparator)
{
    TGridParser parser(decimalSeparator != ",");
    std::vector<char> buffer(std::size_t(1) << 20);
    bool first = true;
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        std::size_t size = static_cast<std::size_t>(in.gcount());
        const char* data = buffer.data();
        if (first && size > 0) {
            first = false;
            // A piece holds at least three bytes unless the input is shorter.
            const std::string_view head(data, size < 3 ? size : 3);
            if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF"))
                throw TInputError("输入是 UTF-16 编码：请存为 UTF-8");
            if (head == "\xEF\xBB\xBF") {
                data += 3;
                size -= 3;
            }
        }
        parser.Feed(data, size);
    }
    if (in.bad())
        throw TInputError("读取输入失败");
    return parser.Finish();
}
