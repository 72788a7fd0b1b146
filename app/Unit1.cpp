#include "Unit1.h"

#include <QAction>
#include <QEvent>
#include <QFont>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

#include "AccessibleNames.h"
#include "ChartControl.h"
#include "ChartDisplays.h"
#include "ComputeCommand.h"
#include "ComputeErrorExplanation.h"
#include "ContextMenuKey.h"
#include "Errors.h"
#include "FormControls.h"
#include "FormLayout.h"
#include "LocaleSettings.h"
#include "OverflowToolTips.h"
#include "PasteGuard.h"
#include "ResultFieldStart.h"
#include "StringGrid.h"

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(FormCaption));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    resize(FormClientWidth, FormClientHeight);
    CreateControls();
    SetTabOrder();
    DescribeForAccessibility(*this);
    ShowOverflowAsToolTips(*this);
    ShowStartOfResultFields(*this);
    displays_ = std::make_unique<TChartDisplays>(
        ChartsByControlName([this](std::string_view name) -> TChart& { return Chart(FromUtf8(name))->Chart(); }));
    errorDisplay_ = std::make_unique<TMessageBoxErrorDisplay>(this);
    questionDisplay_ = std::make_unique<TMessageBoxQuestionDisplay>(this);
    // The default text of the limit field, in the separator in force at start-up.
    Edit(QStringLiteral("Edit7"))->setText(WithDecimalSeparator(Edit(QStringLiteral("Edit7"))->text()));
    CreateGridActions();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::FormDestroy() { sampleColumns_.reset(); }

void TForm1::CreateControls()
{
    const auto handlers = ClickHandlers();
    for (const TControlSpec& control : FormControls()) {
        const QString name = QString::fromUtf8(control.Name);
        const QString text = QString::fromUtf8(control.Text);
        QWidget* widget = nullptr;
        switch (control.Kind) {
        case TControlKind::Grid:
            grid_ = new TStringGrid(this);
            grid_->OnKeyDown = [this](int key, Qt::KeyboardModifiers shift) {
                RunCommand([&] { StringGrid1KeyDown(key, shift); });
            };
            widget = grid_;
            break;
        case TControlKind::Edit: {
            auto* edit = new QLineEdit(text, this);
            // Qt would cut a longer text silently; the system keeps what is typed or pasted.
            edit->setMaxLength(std::numeric_limits<int>::max());
            edit->setCursorPosition(0);
            GuardPasteOffers(*edit);
            widget = edit;
            break;
        }
        case TControlKind::Memo:
            widget = new TMemo(this);
            GuardPasteOffers(*widget);
            break;
        case TControlKind::Label: {
            auto* label = new TLabel(this);
            label->SetCaption(text);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case TControlKind::Button: {
            auto* button = new QPushButton(text, this);
            const auto handler = handlers.at(name);
            connect(button, &QPushButton::clicked, this, [this, handler] { RunCommand(handler); });
            widget = button;
            break;
        }
        case TControlKind::Chart: widget = new TChartControl(this); break;
        }
        widget->setObjectName(name);
        widget->setGeometry(control.Left, control.Top, control.Width, control.Height);
        widget->setVisible(control.Visible);
        if (control.TabOrder < 0)
            widget->setFocusPolicy(Qt::NoFocus);
        controls_[name] = widget;
    }
}

void TForm1::SetTabOrder()
{
    std::vector<const TControlSpec*> ordered;
    for (const TControlSpec& control : FormControls())
        if (control.TabOrder >= 0 && control.Visible && control.Kind != TControlKind::Chart)
            ordered.push_back(&control);
    std::sort(ordered.begin(), ordered.end(),
              [](const TControlSpec* a, const TControlSpec* b) { return a->TabOrder < b->TabOrder; });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        setTabOrder(Control(QString::fromUtf8(ordered[i - 1]->Name)), Control(QString::fromUtf8(ordered[i]->Name)));
    grid_->setFocus();
}

std::map<QString, std::function<void()>> TForm1::ClickHandlers()
{
    return {
        {QStringLiteral("Button1"), [this] { Button1Click(); }},
        {QStringLiteral("Button2"), [this] { Button2Click(); }},
        {QStringLiteral("Button3"), [this] { Button3Click(); }},
        {QStringLiteral("Button4"), [this] { Button4Click(); }},
        {QStringLiteral("Button5"), [this] { Button5Click(); }},
        {QStringLiteral("Button6"), [this] { Button6Click(); }},
        {QStringLiteral("Button7"), [this] { Button7Click(); }},
        {QStringLiteral("Button8"), [this] { Button8Click(); }},
    };
}

QWidget* TForm1::Control(const QString& name) const
{
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

QLineEdit* TForm1::Edit(const QString& name) const { return qobject_cast<QLineEdit*>(Control(name)); }
TLabel* TForm1::Label(const QString& name) const { return qobject_cast<TLabel*>(Control(name)); }
TMemo* TForm1::Memo(const QString& name) const { return qobject_cast<TMemo*>(Control(name)); }
QPushButton* TForm1::Button(const QString& name) const { return qobject_cast<QPushButton*>(Control(name)); }

TChartControl* TForm1::Chart(const QString& name) const { return qobject_cast<TChartControl*>(Control(name)); }

bool TForm1::ClickButton(const QString& name)
{
    QPushButton* button = Button(name);
    if (!button)
        return false;
    if (button->isVisible())
        button->click();
    else
        RunCommand(ClickHandlers().at(name));
    return true;
}

void TForm1::SetErrorDisplay(std::unique_ptr<TErrorDisplay> display) { errorDisplay_ = std::move(display); }

QUndoStack* TForm1::GridUndoStack() const { return grid_->UndoStack(); }

void TForm1::SetQuestionDisplay(std::unique_ptr<TQuestionDisplay> display) { questionDisplay_ = std::move(display); }

bool TForm1::AskEnlargeGrid(const QString& text)
{
    const TQuestion question{
        applicationTitle_, text, {QStringLiteral("扩大表格"), QStringLiteral("只粘贴表格内的部分")}, 0, 1};
    return questionDisplay_->Ask(question) == 0;
}

void TForm1::CreateGridActions()
{
    const auto add = [this](const char* name, const QString& text, std::function<void()> command) {
        auto* action = new QAction(text, grid_);
        action->setObjectName(QStringLiteral("StringGrid1.") + QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        grid_->addAction(action);
        return action;
    };
    // The keys are the grid's own (StringGrid1KeyDown); the menu only shows them.
    const auto withKeys = [](const char* text, const QKeySequence& keys) {
        return QString::fromUtf8(text) + QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
    };
    const auto asOneStep = [this](const QString& name, std::function<void()> change) {
        return [this, name, change] { grid_->AsOneStep(name, change); };
    };
    QAction* undo = add("undo", withKeys("撤销", QKeySequence::Undo), [this] { grid_->Undo(); });
    QAction* redo = add("redo", withKeys("重做", QKeySequence(Qt::CTRL | Qt::Key_Y)), [this] { grid_->Redo(); });
    const QUndoStack& steps = *grid_->UndoStack();
    undo->setEnabled(steps.canUndo());
    redo->setEnabled(steps.canRedo());
    connect(&steps, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&steps, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    add("copy", QStringLiteral("复制"), [this] { CopyGridToClipboard(*grid_); });
    add("paste", QStringLiteral("粘贴"), asOneStep(QStringLiteral("粘贴"), [this] {
            PasteClipboardIntoGrid(*grid_, [this](const QString& text) { return AskEnlargeGrid(text); });
        }));
    add("delete", QStringLiteral("删除"), asOneStep(QStringLiteral("删除"), [this] { ClearSelectedCells(*grid_); }));
    add("resetSize", QStringLiteral("恢复为 5 列 × 10 行"), [this] {
        // Texts outside the size are removed with it, never kept out of sight.
        const std::size_t outside = CountCellsOutside(*grid_, DefaultGridCols, DefaultGridRows);
        if (outside > 0) {
            const TQuestion question{
                applicationTitle_,
                QStringLiteral("恢复为 5 列 × 10 行 将删除表格外的 %1 个单元格。继续吗？").arg(outside),
                {QStringLiteral("继续"), QStringLiteral("取消")},
                0,
                1};
            if (questionDisplay_->Ask(question) != 0)
                return;
        }
        grid_->AsOneStep(QStringLiteral("恢复表格大小"), [this] { ResetGridSize(*grid_); });
    });
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Shift+F10 opens the menu at the current cell.
    OpenContextMenuOnShiftF10(*grid_, [this] {
        const QModelIndex current = grid_->currentIndex();
        return grid_->viewport()->mapTo(grid_, grid_->visualRect(current).center());
    });
}

void TForm1::RunCommand(const std::function<void()>& command)
{
    computeRan_ = false;
    const std::optional<std::string> message = DisplayedErrorOf(command);
    const bool computed = std::exchange(computeRan_, false);
    if (message) {
        const TarryCpk* record = CurrentCpk();
        const std::string explanation =
            computed ? ExplainComputeError(*this, record ? &record->Value : nullptr, *message) : std::string();
        errorDisplay_->ShowExplainedError(applicationTitle_, QString::fromStdString(*message),
                                          QString::fromStdString(explanation));
    }
    if (computed)
        emit ComputeFinished(!message);
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        ReadNumberSettingsFromLocale();
    QWidget::changeEvent(event);
}

// TWindowModel

namespace {

// The field table and the form are built from one table, so a field without
// its control is a programming error, not a state of the window.
[[noreturn]] void ThrowMissingControl(const TWindowField& field)
{
    throw std::logic_error("程序错误：窗体上没有控件“" + std::string(field.Control) + "”");
}

}  // namespace

std::string TForm1::Text(const TWindowField& field) const
{
    const QString name = FromUtf8(field.Control);
    if (const QLineEdit* edit = Edit(name))
        return edit->text().toStdString();
    if (const TLabel* label = Label(name))
        return label->Caption().toStdString();
    ThrowMissingControl(field);
}

void TForm1::SetText(const TWindowField& field, const std::string& text)
{
    const QString name = FromUtf8(field.Control);
    const QString value = QString::fromStdString(text);
    if (QLineEdit* edit = Edit(name)) {
        edit->setText(value);
        edit->setCursorPosition(0);
    } else if (TLabel* label = Label(name)) {
        label->SetCaption(value);
        label->resize(label->CaptionSize());
    } else {
        ThrowMissingControl(field);
    }
}

TMemo* TForm1::MemoOf(const TWindowField& field) const
{
    TMemo* memo = Memo(FromUtf8(field.Control));
    if (!memo)
        ThrowMissingControl(field);
    return memo;
}

void TForm1::ClearMemo(const TWindowField& field)
{
    TMemo* memo = MemoOf(field);
    pendingMemoLines_.erase(FromUtf8(field.Control));
    memo->Clear();
}

void TForm1::AppendMemoLine(const TWindowField& field, const std::string& line)
{
    TMemo* memo = MemoOf(field);
    if (collectingMemoLines_)
        pendingMemoLines_[FromUtf8(field.Control)] << QString::fromStdString(line);
    else
        memo->Append(QString::fromStdString(line));
}

void TForm1::FlushMemoLines()
{
    collectingMemoLines_ = false;
    for (const auto& [name, lines] : pendingMemoLines_)
        if (TMemo* memo = Memo(name))
            memo->Append(lines.join(QLatin1Char('\n')));
    pendingMemoLines_.clear();
}

int TForm1::ColCount() const { return grid_->ColCount(); }
int TForm1::RowCount() const { return grid_->RowCount(); }
std::string TForm1::Cell(int col, int row) const { return grid_->Cells(col, row).toStdString(); }

// The commands

void TForm1::Button1Click()
{
    grid_->AsOneStep(QStringLiteral("载入数据对"), [this] { LoadClipboardPairs(*grid_); });
}

void TForm1::Button2Click()
{
    // The lists of an earlier run are released when they are replaced.
    grid_->AsOneStep(QStringLiteral("单元格赋值"),
                     [this] { sampleColumns_ = std::make_unique<TSampleColumns>(LoadSampleData(*grid_)); });
}

void TForm1::Button3Click()
{
    // Lines appended one by one into a text box are slow for a large grid's
    // subgroups: each memo's text is set once, also when the command fails.
    struct TFlushMemos {
        TForm1& Form;
        ~TFlushMemos() { Form.FlushMemoLines(); }
    } flush{*this};
    collectingMemoLines_ = true;
    computeRan_ = true;
    RunComputeCommand(*this, displays_.get());
}

void TForm1::Button6Click() { displays_->ShowDistributionChart(CurrentCpk()); }

void TForm1::Button7Click() { displays_->DemonstrationFill(); }

void TForm1::Button8Click()
{
    grid_->AsOneStep(QStringLiteral("清空单元格"), [this] { ClearGridCells(*grid_); });
}

void TForm1::StringGrid1KeyDown(int key, Qt::KeyboardModifiers shift)
{
    GridKeyDown(*grid_, key, shift, [this](const QString& text) { return AskEnlargeGrid(text); });
}
