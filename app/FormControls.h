#pragma once
// The two text controls of the window whose behaviour Qt's widgets do not
// give directly: auto-sized labels that keep their caption as written, and
// memo boxes that are cleared and filled line by line.
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

// A static text, auto-sized to its caption; line breaks are "\r\n".
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent) : QLabel(parent) {}
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The size the caption needs: its widest line, 13 pixels per line.
    QSize CaptionSize() const;

private:
    QString caption_;
};

// A multi-line text box holding lines.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    // Tab moves on to the next control in tab order instead of being typed.
    explicit TMemo(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }
    QStringList Lines() const;
    void Clear() { clear(); }
    void Append(const QString& line) { appendPlainText(line); }
};
