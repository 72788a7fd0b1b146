#include "FormControls.h"

namespace {
constexpr int LabelLineHeight = 13;
}

void TLabel::SetCaption(const QString& caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
}

QSize TLabel::CaptionSize() const
{
    const QStringList lines = caption_.split(QStringLiteral("\r\n"));
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, fontMetrics().horizontalAdvance(line));
    return {widest, static_cast<int>(lines.size()) * LabelLineHeight};
}

QStringList TMemo::Lines() const
{
    const QString text = toPlainText();
    if (text.isEmpty() && document()->blockCount() <= 1)
        return {};
    return text.split(QLatin1Char('\n'));
}
