#include "OverflowToolTips.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The width a line edit has for its text: its contents minus the frame and
// the text margins the style reserves.
int TextRoom(const QLineEdit& field)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    constexpr int horizontalMargin = 2;  // QLineEdit's own inner margin on each side
    return contents.width() - margins.left() - margins.right() - 2 * horizontalMargin;
}

void UpdateToolTip(QLineEdit& field)
{
    const QString text = field.text();
    const int room = TextRoom(field);
    // A long text is judged by its start, so that a huge paste is not measured whole.
    constexpr qsizetype measuredStart = 256;
    const QFontMetrics metrics = field.fontMetrics();
    const bool overflows = metrics.horizontalAdvance(text.left(measuredStart)) > room ||
                           (text.size() > measuredStart && metrics.horizontalAdvance(text) > room);
    field.setToolTip(overflows ? text : QString());
}

}  // namespace

void ShowOverflowAsToolTip(QLineEdit& field)
{
    UpdateToolTip(field);
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&field] { UpdateToolTip(field); });
}

void ShowOverflowAsToolTips(QWidget& form)
{
    for (QLineEdit* field : form.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        ShowOverflowAsToolTip(*field);
}
