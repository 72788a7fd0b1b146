#include "BatchOutput.h"

void WriteTextOutput(std::ostream& out, const TBatchWindow& window)
{
    for (const TWindowField* field : WindowFields()) {
        if (field->Role == TFieldRole::Result) {
            out << field->Label << "：" << window.Text(*field) << '\n';
        } else if (field->Role == TFieldRole::Memo) {
            out << field->Label << "：\n";
            for (const std::string& line : window.MemoLines(*field))
                out << "  " << line << '\n';
        }
    }
}
