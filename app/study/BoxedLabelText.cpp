#include "BoxedLabelText.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {

// The form lays out labels at 13 pixels per text line.
constexpr int LaidOutLineHeight = 13;
// No box holds more characters than this; a longer text is measured by its start.
constexpr qsizetype MeasuredLength = 4096;
// A tooltip is for reading, not for a whole file.
constexpr qsizetype ToolTipLength = 1000;
const QChar Ellipsis(0x2026);

// Every kind of line break becomes one; other control characters are blanks.
QString WithLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    for (QChar& c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator)
            c = QChar::LineSeparator;
        else if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return text;
}

// The length of the first line of text wrapped at width, its line break included.
qsizetype FirstLineLength(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(width);
    layout.endLayout();
    return std::max<qsizetype>(1, line.textLength());
}

QString LastLine(QString rest, const QFont& font, int width, bool more, bool& shortened)
{
    const bool broken = rest.contains(QChar::LineSeparator);
    rest.replace(QChar::LineSeparator, QLatin1Char(' '));
    const QFontMetricsF metrics(font);
    if (!more && !broken && metrics.horizontalAdvance(rest) <= width)
        return rest;
    shortened = true;
    if (!more)
        return metrics.elidedText(rest, Qt::ElideRight, width);
    // Text beyond the measured start follows: the line always ends with the ellipsis.
    QString shown = metrics.elidedText(rest, Qt::ElideRight, width - metrics.horizontalAdvance(Ellipsis));
    if (!shown.endsWith(Ellipsis) && !shown.endsWith(QStringLiteral("...")))
        shown += Ellipsis;
    return shown;
}

class TBoxedText : public QObject {
public:
    explicit TBoxedText(QLabel& label) : QObject(&label), label_(label)
    {
        setObjectName(QStringLiteral("BoxedText"));
        label.installEventFilter(this);
    }
    ~TBoxedText() override { label_.removeEventFilter(this); }

    const TFittedText& Fit()
    {
        const int lines = std::max(1, label_.height() / LaidOutLineHeight);
        if (text_ != label_.text() || size_ != label_.size() || font_ != label_.font()) {
            text_ = label_.text();
            size_ = label_.size();
            font_ = label_.font();
            fit_ = FitTextInBox(text_, font_, label_.width(), lines);
            label_.setToolTip(!fit_.Shortened                ? QString()
                              : text_.size() > ToolTipLength ? text_.left(ToolTipLength) + Ellipsis
                                                             : text_);
        }
        return fit_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &label_ || event->type() != QEvent::Paint)
            return false;
        const TFittedText& fit = Fit();
        QPainter painter(&label_);
        painter.setFont(label_.font());
        painter.setPen(label_.palette().color(label_.foregroundRole()));
        // Lines follow each other as a plain label's do.
        const int pitch = label_.fontMetrics().lineSpacing();
        for (qsizetype i = 0; i < fit.Lines.size(); ++i) {
            const QRect row(0, int(i) * pitch, label_.width(), label_.height() - int(i) * pitch);
            painter.drawText(row, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextForceLeftToRight,
                             fit.Lines.at(i));
        }
        return true;
    }

private:
    QLabel& label_;
    QString text_;
    QSize size_;
    QFont font_;
    TFittedText fit_;
};

TBoxedText* BoxedTextOf(QLabel& label)
{
    return label.findChild<TBoxedText*>(QStringLiteral("BoxedText"), Qt::FindDirectChildrenOnly);
}

}  // namespace

TFittedText FitTextInBox(const QString& text, const QFont& font, int width, int lineCount)
{
    QString start = text.left(MeasuredLength);
    if (!start.isEmpty() && start.back().isHighSurrogate())
        start.chop(1);
    const bool more = text.size() > start.size();
    const QString shown = WithLineBreaks(start);
    TFittedText fit;
    qsizetype from = 0;
    for (int line = 1; line < lineCount && from < shown.size(); ++line) {
        const QString rest = shown.mid(from);
        const qsizetype length = FirstLineLength(rest, font, width);
        if (length >= rest.size() && !more) {
            fit.Lines << rest;
            return fit;
        }
        QString taken = rest.left(length);
        if (taken.endsWith(QChar::LineSeparator))
            taken.chop(1);
        fit.Lines << taken;
        from += length;
    }
    if (from < shown.size() || fit.Lines.isEmpty() || more)
        fit.Lines << LastLine(shown.mid(from), font, width, more, fit.Shortened);
    return fit;
}

void KeepTextInsideBox(QLabel& label)
{
    label.setTextFormat(Qt::PlainText);
    TBoxedText* boxed = BoxedTextOf(label);
    if (!boxed)
        boxed = new TBoxedText(label);
    boxed->Fit();
    label.update();
}

void ReleaseTextFromBox(QLabel& label)
{
    delete BoxedTextOf(label);
    label.setToolTip(QString());
    label.update();
}
