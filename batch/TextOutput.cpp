#include "BatchOutput.h"

void WriteTextOutput(std::ostream& out, const TBatchWindow& window)
{
    for (const TWindowField* field : WindowFields()) {
        if (field->Role == TFieldRole::Result) {
            out << field->Label << "：" << window.Text(*field) << '\n';
        } else if (field->Role == TFieldRole::Memo) {
            out << field->Label << "：\n";
            for (std::string_view line : window.MemoLines(*field))
                out << "  " << line << '\n';
        }
    }
}
