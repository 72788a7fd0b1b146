#include "ScenarioRunner.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QEventLoop>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QTimer>
#include <QUrl>

#include <stdexcept>

#include "FileDialogs.h"
#include "GridKeys.h"
#include "ImportBox.h"
#include "LocaleSettings.h"
#include "MainWindow.h"
#include "StringGrid.h"
#include "StudyDialog.h"
#include "StudyDocument.h"
#include "StudyInfoBox.h"
#include "Unit1.h"
#include "WindowDump.h"

namespace {

// Message boxes are recorded instead of shown.
class TRecordingErrorDisplay : public TErrorDisplay {
public:
    explicit TRecordingErrorDisplay(QJsonArray& errors) : errors_(errors) {}
    void ShowError(const QString& title, const QString& text) override
    {
        errors_.append(QJsonObject{{QStringLiteral("title"), title}, {QStringLiteral("text"), text}});
    }
    void ShowExplainedError(const QString& title, const QString& text, const QString& explanation) override
    {
        QJsonObject error{{QStringLiteral("title"), title}, {QStringLiteral("text"), text}};
        if (!explanation.isEmpty())
            error[QStringLiteral("explanation")] = explanation;
        errors_.append(error);
    }

private:
    QJsonArray& errors_;
};

// Question boxes are recorded too, answered as the script says or by their default button.
class TRecordingQuestionDisplay : public TQuestionDisplay {
public:
    TRecordingQuestionDisplay(QJsonArray& questions, std::optional<QString>& answer)
        : questions_(questions),
          answer_(answer)
    {}
    int Ask(const TQuestion& question) override
    {
        int chosen = question.DefaultButton;
        if (answer_) {
            const qsizetype named = question.Buttons.indexOf(*answer_);
            if (named >= 0)
                chosen = static_cast<int>(named);
            answer_.reset();
        }
        questions_.append(QJsonObject{{QStringLiteral("title"), question.Title},
                                      {QStringLiteral("text"), question.Text},
                                      {QStringLiteral("buttons"), QJsonArray::fromStringList(question.Buttons)},
                                      {QStringLiteral("answer"), question.Buttons.value(chosen)}});
        return chosen;
    }

private:
    QJsonArray& questions_;
    std::optional<QString>& answer_;
};

// File dialogs return the path the script gave, once; without one they are
// cancelled. The print dialog prints into that path as a PDF file.
class TScriptedFileDialogs : public TFileDialogs {
public:
    explicit TScriptedFileDialogs(std::optional<QString>& file) : file_(file) {}
    std::optional<QString> ChooseSaveFile(const TSaveFileRequest&) override
    {
        std::optional<QString> chosen;
        chosen.swap(file_);
        return chosen;
    }
    std::optional<QString> ChooseOpenFile(const QString&, const QStringList&) override { return ChooseSaveFile({}); }
    bool ChoosePrinter(QPrinter& printer) override
    {
        const auto chosen = ChooseSaveFile({});
        if (!chosen)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*chosen);
        return true;
    }

private:
    std::optional<QString>& file_;
};

// The first object named `name` of type T in any window of the application.
template <class T>
T* FindInWindows(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        for (T* child : window->findChildren<T*>())
            if (child->objectName() == name)
                return child;
    return nullptr;
}

std::invalid_argument Refused(const QString& why) { return std::invalid_argument(why.toStdString()); }

}  // namespace

TScenarioRunner::TScenarioRunner(TMainWindow& window, QTextStream& out)
    : window_(window),
      form_(window.Form()),
      out_(out)
{
    window.SetFileDialogs(std::make_unique<TScriptedFileDialogs>(file_));
    window.SetImportBox(std::make_unique<TGuessingImportBox>());
    window.SetStudyInfoBox(std::make_unique<TAcceptingStudyInfoBox>());
    form_.SetErrorDisplay(std::make_unique<TRecordingErrorDisplay>(errors_));
    form_.SetQuestionDisplay(std::make_unique<TRecordingQuestionDisplay>(questions_, answer_));
}

void TScenarioRunner::Settle() { QApplication::processEvents(); }

void TScenarioRunner::DropFile(const QString& target, const QString& path)
{
    QWidget* widget = target == QLatin1String("MainWindow") ? &window_ : FindInWindows<QWidget>(target);
    if (!widget)
        throw Refused(QStringLiteral("no control named '%1'").arg(target));
    // Scroll areas take drops on their viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        widget = area->viewport();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(path);
    const QPoint at = widget->rect().center();
    // The application hands a drag event on to the parents while it is ignored;
    // the drop goes where the drag was accepted, as the platform's drag does.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
}

void TScenarioRunner::Run(const TScenarioLine& line)
{
    const QString& command = line.Command;
    if (command == QLatin1String("text")) {
        // The form's edit fields, then the other windows' line edits (the extended analysis's fields).
        QLineEdit* edit = form_.Edit(line.Words[0]);
        if (!edit)
            edit = FindInWindows<QLineEdit>(line.Words[0]);
        if (!edit)
            throw Refused(QStringLiteral("no edit field named '%1'").arg(line.Words[0]));
        edit->setText(line.Value);
    } else if (command == QLatin1String("cell")) {
        form_.StringGrid1()->SetCells(line.Words[0].toInt(), line.Words[1].toInt(), line.Value);
    } else if (command == QLatin1String("clipboard")) {
        QApplication::clipboard()->setText(line.Value);
    } else if (command == QLatin1String("current")) {
        TStringGrid& grid = *form_.StringGrid1();
        const int col = line.Words[0].toInt(), row = line.Words[1].toInt();
        // Only a cell inside the counts can be the current cell.
        if (col >= grid.ColCount() || row >= grid.RowCount())
            throw Refused(QStringLiteral("no cell (%1, %2) inside the grid").arg(col).arg(row));
        grid.SetCurrentCell(col, row);
    } else if (command == QLatin1String("key")) {
        if (!SendGridKey(*form_.StringGrid1(), line.Value))
            throw Refused(QStringLiteral("not a key: '%1'").arg(line.Value));
    } else if (command == QLatin1String("type")) {
        TypeIntoGrid(*form_.StringGrid1(), line.Value);
    } else if (command == QLatin1String("click")) {
        if (!form_.ClickButton(line.Words[0]))
            throw Refused(QStringLiteral("no button named '%1'").arg(line.Words[0]));
    } else if (command == QLatin1String("locale")) {
        // Two characters separated by one blank.
        if (line.Value.size() != 3 || line.Value.at(1) != QLatin1Char(' '))
            throw Refused(QStringLiteral("locale needs two characters: '%1'").arg(line.Value));
        const QString decimal = line.Value.left(1), thousands = line.Value.right(1);
        SetLocaleSymbolsSource([decimal, thousands] { return std::pair{decimal, thousands}; });
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(&form_, &change);
    } else if (command == QLatin1String("answer")) {
        answer_ = line.Value;
    } else if (command == QLatin1String("file")) {
        file_ = line.Value;
    } else if (command == QLatin1String("drop")) {
        DropFile(line.Words[0], line.Value);
    } else if (command == QLatin1String("action")) {
        QAction* action = FindInWindows<QAction>(line.Words[0]);
        if (!action)
            throw Refused(QStringLiteral("no action named '%1'").arg(line.Words[0]));
        action->trigger();
    } else if (command == QLatin1String("choose")) {
        QComboBox* box = FindInWindows<QComboBox>(line.Words[0]);
        const int index = box ? box->findData(line.Words[1]) : -1;
        if (index < 0)
            throw Refused(QStringLiteral("no item '%1' in a combo box named '%2'").arg(line.Words[1], line.Words[0]));
        box->setCurrentIndex(index);
    } else if (command == QLatin1String("study")) {
        // The dialog as it opens, one field typed over, then OK.
        TStudyDocument& document = window_.Document();
        TStudyDialog dialog(document.StudyInformation(), &window_);
        dialog.SetText(FindStudyField(line.Words[0])->Field, line.Value);
        form_.RunCommand([&] { document.SetStudyInformation(dialog.Info()); });
    } else if (command == QLatin1String("wait")) {
        QEventLoop pause;
        QTimer::singleShot(line.Words[0].toInt(), &pause, &QEventLoop::quit);
        pause.exec();
    } else if (command == QLatin1String("dump")) {
        Settle();
        QJsonObject dump = DumpWindow(form_, errors_);
        dump[QStringLiteral("questions")] = questions_;
        dump[QStringLiteral("title")] = window_.windowTitle();
        dump[QStringLiteral("recent")] = QJsonArray::fromStringList(window_.Document().RecentFiles());
        // Every field, "" for one not given.
        QJsonObject study;
        for (const TStudyFieldInfo& field : StudyFields)
            study[QLatin1String(field.Key)] = window_.Document().StudyInformation()[field.Field];
        dump[QStringLiteral("study")] = study;
        if (!window_.Document().LastImport().isEmpty())
            dump[QStringLiteral("import")] = window_.Document().LastImport();
        out_ << QJsonDocument(dump).toJson(QJsonDocument::Compact) << '\n';
        out_.flush();
        errors_ = QJsonArray();
        questions_ = QJsonArray();
    } else if (command == QLatin1String("screenshot")) {
        Settle();
        if (!form_.grab().save(line.Value, "PNG"))
            throw Refused(QStringLiteral("cannot write '%1'").arg(line.Value));
    }
    Settle();
}
