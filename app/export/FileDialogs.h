#pragma once
// The file and print dialogs of the export commands, behind one seam: the
// window shows Qt's dialogs, a scripted window answers them itself.
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

struct TSaveFileRequest {
    QString Caption;
    QString SuggestedName;
    QStringList Filters;  // "PNG 图像 (*.png)", …; the first is preselected
};

class TFileDialogs {
public:
    virtual ~TFileDialogs() = default;
    // The chosen path; none when the dialog is cancelled.
    virtual std::optional<QString> ChooseSaveFile(const TSaveFileRequest& request) = 0;
    // Sets the printer up as chosen; false when the dialog is cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
    // The file to open; none when the dialog is cancelled.
    virtual std::optional<QString> ChooseOpenFile(const QString& caption, const QStringList& filters)
    {
        static_cast<void>(caption);
        static_cast<void>(filters);
        return std::nullopt;
    }
};

class TQtFileDialogs : public TFileDialogs {
public:
    explicit TQtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<QString> ChooseSaveFile(const TSaveFileRequest& request) override;
    bool ChoosePrinter(QPrinter& printer) override;
    std::optional<QString> ChooseOpenFile(const QString& caption, const QStringList& filters) override;

private:
    QWidget* parent_;
};
