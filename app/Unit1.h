#pragma once
// TForm1: the main window with every control of its layout, the commands
// behind its buttons and the grid's key handler. It is also the window model
// the computation reads from and writes to.
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

#include "ErrorDisplay.h"
#include "GridCommands.h"
#include "QuestionDisplay.h"
#include "WindowModel.h"

class QLineEdit;
class QPushButton;
class QUndoStack;
class TLabel;
class TMemo;
class TStringGrid;
class TChartControl;
class TChartDisplays;

class TForm1 : public QWidget, public TWindowModel {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls by component name; null when the name is not of that kind.
    QWidget* Control(const QString& name) const;
    QLineEdit* Edit(const QString& name) const;
    TLabel* Label(const QString& name) const;
    TMemo* Memo(const QString& name) const;
    QPushButton* Button(const QString& name) const;
    TChartControl* Chart(const QString& name) const;
    TStringGrid* StringGrid1() const { return grid_; }
    // The grid's undo steps, for the window's 撤销 and 重做.
    QUndoStack* GridUndoStack() const;

    // Runs a button's command as a click does; a hidden button's handler runs
    // directly. Returns false for an unknown button name.
    bool ClickButton(const QString& name);

    void SetErrorDisplay(std::unique_ptr<TErrorDisplay> display);
    void SetQuestionDisplay(std::unique_ptr<TQuestionDisplay> display);
    // Asks through the window's question display; the index of the chosen button.
    int AskQuestion(const TQuestion& question) { return questionDisplay_->Ask(question); }
    void SetApplicationTitle(const QString& title) { applicationTitle_ = title; }
    QString ApplicationTitleText() const { return applicationTitle_; }

    // Runs one command; an error that escapes it ends it and goes to the error
    // display, an error of the compute command with what to do about it.
    void RunCommand(const std::function<void()>& command);

signals:
    // The compute command ran, to its end or to an error.
    void ComputeFinished(bool completed);

public:
    // TWindowModel
    std::string Text(const TWindowField& field) const override;
    void SetText(const TWindowField& field, const std::string& text) override;
    void ClearMemo(const TWindowField& field) override;
    void AppendMemoLine(const TWindowField& field, const std::string& line) override;
    int ColCount() const override;
    int RowCount() const override;
    std::string Cell(int col, int row) const override;

    // The commands.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click() {}
    void Button5Click() {}
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void StringGrid1KeyDown(int key, Qt::KeyboardModifiers shift);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Creates the form's controls; the limit charts come back with their laid-out series.
    void CreateControls();
    void CreateGridActions();
    // The question of a paste that does not fit: true enlarges the grid.
    bool AskEnlargeGrid(const QString& text);
    void SetTabOrder();
    void FormDestroy();
    std::map<QString, std::function<void()>> ClickHandlers();
    void FlushMemoLines();
    TMemo* MemoOf(const TWindowField& field) const;

    std::map<QString, QWidget*> controls_;
    TStringGrid* grid_ = nullptr;
    std::unique_ptr<TErrorDisplay> errorDisplay_;
    std::unique_ptr<TQuestionDisplay> questionDisplay_;
    QString applicationTitle_;
    std::unique_ptr<TSampleColumns> sampleColumns_;
    std::unique_ptr<TChartDisplays> displays_;
    bool collectingMemoLines_ = false;
    bool computeRan_ = false;
    std::map<QString, QStringList> pendingMemoLines_;
};
