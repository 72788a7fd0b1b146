#include "ErrorDisplay.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>

QString ApplicationTitle(const QString& programPath)
{
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

namespace {

// Longer messages are shown in a scrollable text view instead of the label,
// whose size would outgrow the screen and take seconds to measure.
constexpr qsizetype LongMessageLength = 2000;
// The view lays out only the lines in sight, so a long line is cut into
// pieces of this many characters (never inside a surrogate pair).
constexpr qsizetype ViewLineLength = 200;

QString CutIntoViewLines(const QString& text)
{
    QString lines;
    lines.reserve(text.size() + text.size() / ViewLineLength + 1);
    qsizetype sinceBreak = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n')) {
            sinceBreak = 0;
        } else if (sinceBreak >= ViewLineLength && !c.isLowSurrogate()) {
            lines += QLatin1Char('\n');
            sinceBreak = 0;
        }
        lines += c;
        ++sinceBreak;
    }
    return lines;
}

void ShowInScrollableView(QMessageBox& box, const QString& text)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    if (!label || !layout)
        return;
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    layout->getItemPosition(layout->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    label->hide();
    auto* view = new QPlainTextEdit(&box);
    view->setObjectName(QStringLiteral("ErrorMessageView"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    view->setPlainText(CutIntoViewLines(text));
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize(800, 600);
    view->setFixedSize(qMin(640, room.width() * 2 / 3), qMin(360, room.height() / 2));
    layout->addWidget(view, row, column, rowSpan, columnSpan);
}

}  // namespace

void TMessageBoxErrorDisplay::ShowError(const QString& title, const QString& text)
{
    ShowExplainedError(title, text, QString());
}

void TMessageBoxErrorDisplay::ShowExplainedError(const QString& title, const QString& text, const QString& explanation)
{
    const bool isLong = text.size() > LongMessageLength;
    QMessageBox box(QMessageBox::Critical, title, isLong ? QString() : text, QMessageBox::Ok, parent_);
    // The message quotes what the user typed; it is shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    if (isLong)
        ShowInScrollableView(box, text);
    // The system's message stays first and unchanged; what to do follows below it.
    box.setInformativeText(explanation);
    box.exec();
}
