#include "BatchWindow.h"

#include <stdexcept>

#include "FormLayout.h"

namespace {

std::string DefaultText(const TWindowField& field)
{
    for (const TControlSpec& control : FormControls())
        if (field.Control == control.Name)
            return control.Text;
    throw std::logic_error("程序错误：窗体上没有控件“" + std::string(field.Control) + "”");
}

}  // namespace

TBatchWindow::TBatchWindow(TBatchGrid grid, const std::string& decimalSeparator) : grid_(std::move(grid))
{
    const auto fields = WindowFields();
    texts_.resize(fields.size());
    memos_.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i]->Role != TFieldRole::Memo)
            texts_[i] = DefaultText(*fields[i]);
    // The form writes its default target in the separator in force at start-up.
    std::string& target = texts_[IndexOf(Field::Target, false)];
    for (std::size_t dot = target.find('.'); dot != std::string::npos; dot = target.find('.', dot + 1)) {
        target.replace(dot, 1, decimalSeparator);
        dot += decimalSeparator.size() - 1;
    }
}

std::size_t TBatchWindow::IndexOf(const TWindowField& field, bool memo) const
{
    const auto fields = WindowFields();
    // The stages pass the table's own entries: found by address, a memo line costs no string compares.
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i] == &field)
            return i;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i]->Control == field.Control && (fields[i]->Role == TFieldRole::Memo) == memo)
            return i;
    throw std::logic_error("程序错误：“" + std::string(field.Control) + "”不是" + (memo ? "多行文本框" : "文本框"));
}

std::string TBatchWindow::Text(const TWindowField& field) const { return texts_[IndexOf(field, false)]; }

void TBatchWindow::SetText(const TWindowField& field, const std::string& text) { texts_[IndexOf(field, false)] = text; }

void TBatchWindow::ClearMemo(const TWindowField& memo) { memos_[IndexOf(memo, true)].Clear(); }

void TBatchWindow::AppendMemoLine(const TWindowField& memo, const std::string& line)
{
    memos_[IndexOf(memo, true)].Add(line);
}

const TMemoLines& TBatchWindow::MemoLines(const TWindowField& memo) const { return memos_[IndexOf(memo, true)]; }
