#include "Unit1.h"

#include <QEvent>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <new>
#include <vector>

#include "ChartControl.h"
#include "ChartDisplays.h"
#include "Errors.h"
#include "FormCharts.h"
#include "FormControls.h"
#include "FormLayout.h"
#include "LocaleSettings.h"
#include "grid/PasteGuard.h"
#include "grid/StringGrid.h"
#include "spc/ComputeCommand.h"

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
    displays_ = std::make_unique<TChartDisplays>(Chart(QStringLiteral("Chart1"))->Chart(),
                                                 Chart(QStringLiteral("Chart2"))->Chart(),
                                                 Chart(QStringLiteral("Chart3"))->Chart(),
                                                 Chart(QStringLiteral("cht1"))->Chart());
    errorDisplay_ = std::make_unique<TMessageBoxErrorDisplay>(this);
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
        case TControlKind::Chart: {
            auto* chart = new TChartControl(this);
            LayOutFormChart(chart->Chart(), control.Name);
            widget = chart;
            break;
        }
        }
        widget->setObjectName(name);
        widget->setAccessibleName(name);
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

void TForm1::RunCommand(const std::function<void()>& command)
{
    std::string message;
    try {
        command();
        return;
    } catch (const Exception& error) {
        message = error.Message();
    } catch (const std::bad_alloc&) {
        message = "Out of memory";
    } catch (const std::exception& error) {
        message = error.what();
    }
    errorDisplay_->ShowError(applicationTitle_, QString::fromStdString(DisplayedErrorMessage(message)));
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        ReadNumberSettingsFromLocale();
    QWidget::changeEvent(event);
}

// TWindowModel

std::string TForm1::Text(std::string_view controlName) const
{
    if (const QLineEdit* edit = Edit(FromUtf8(controlName)))
        return edit->text().toStdString();
    if (const TLabel* label = Label(FromUtf8(controlName)))
        return label->Caption().toStdString();
    return {};
}

void TForm1::SetText(std::string_view controlName, const std::string& text)
{
    const QString name = FromUtf8(controlName);
    const QString value = QString::fromStdString(text);
    if (QLineEdit* edit = Edit(name)) {
        edit->setText(value);
        edit->setCursorPosition(0);
    } else if (TLabel* label = Label(name)) {
        label->SetCaption(value);
        label->resize(label->CaptionSize());
    }
}

void TForm1::ClearMemo(std::string_view memoName)
{
    if (TMemo* memo = Memo(FromUtf8(memoName)))
        memo->Clear();
}

void TForm1::AppendMemoLine(std::string_view memoName, const std::string& line)
{
    if (TMemo* memo = Memo(FromUtf8(memoName)))
        memo->Append(QString::fromStdString(line));
}

int TForm1::ColCount() const { return grid_->ColCount(); }
int TForm1::RowCount() const { return grid_->RowCount(); }
std::string TForm1::Cell(int col, int row) const { return grid_->Cells(col, row).toStdString(); }

// The commands

void TForm1::Button1Click() { LoadClipboardPairs(*grid_); }

void TForm1::Button2Click()
{
    // The lists of an earlier run are released when they are replaced.
    sampleColumns_ = std::make_unique<TSampleColumns>(LoadSampleData(*grid_));
}

void TForm1::Button3Click() { RunComputeCommand(*this, displays_.get()); }

void TForm1::Button6Click() { displays_->ShowDistributionChart(CurrentCpk()); }

void TForm1::Button7Click() { displays_->DemonstrationFill(); }

void TForm1::Button8Click() { ClearGridCells(*grid_); }

void TForm1::StringGrid1KeyDown(int key, Qt::KeyboardModifiers shift) { GridKeyDown(*grid_, key, shift); }
