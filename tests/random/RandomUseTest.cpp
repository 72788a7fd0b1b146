// Seeded random use of the real window, as a new user clicks and types: cell
// texts, limits and subgroup sizes (realistic and hostile), pastes, editing
// keys (also with the cell editor left open across grid steps), current-cell
// moves, every button (hidden ones through their handlers), the size reset,
// files dropped on fields, locale changes. A model of the grid is kept; after every step the
// grid must hold exactly the model, and every message shown must be one of
// the system's. Now and then, and at the end, the next valid computation must
// give the same texts as on a fresh window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <random>
#include <string_view>
#include <vector>

#include "ClipboardPairs.h"
#include "FileDrops.h"
#include "FormControls.h"
#include "FormLayout.h"
#include "GridKeys.h"
#include "LocaleSettings.h"
#include "NumberSettings.h"
#include "QuestionDisplay.h"
#include "RandomTexts.h"
#include "RecordedErrors.h"
#include "StringGrid.h"
#include "Unit1.h"
#include "Utf16Units.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.left(200).toStdString() << '"'; }

namespace {

using TCells = std::map<std::pair<int, int>, QString>;

// Question boxes are answered at random, each answer counted per paste.
class TRandomAnswers : public TQuestionDisplay {
public:
    TRandomAnswers(TRandom& random, int& asked) : random_(random), asked_(asked) {}
    int Ask(const TQuestion& question) override
    {
        ++asked_;
        return random_() % 2 ? question.DefaultButton : question.EscapeButton;
    }

private:
    TRandom& random_;
    int& asked_;
};

// The paste rules as the grid's users are told them, written apart from the
// product's splitter: the text ends at its first NUL; lines end at CR, LF or
// CR LF, a break at the very end starting no further line. In a line holding
// a tab every tab separates two fields, characters 1 to 32 around a field
// dropped; a tab ending a line ends its last field only when every non-empty
// line ends with one. Other lines are split at runs of characters 1 to 32. A
// field may open with a double quote: it then runs to the next single quote
// (a doubled one stands for one) or the line's end, and in a tabbed line takes
// the text after it up to the tab. Every line is as wide as the widest.
using TPastedLines = std::vector<std::vector<QString>>;

bool IsBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= 32; }

QString QuotedPart(const QString& line, qsizetype& i)
{
    QString text;
    for (++i; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('"')) {
            if (i + 1 >= line.size() || line[i + 1] != QLatin1Char('"')) {
                ++i;
                break;
            }
            ++i;
        }
        text += line[i];
    }
    return text;
}

struct TModelLine {
    std::vector<QString> Fields;
    bool EndsInTab = false;
    bool Filled = false;
};

TModelLine TabbedLine(const QString& line)
{
    TModelLine parsed{{}, false, true};
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && line[i] != QLatin1Char('\t') && IsBlank(line[i]))
            ++i;
        QString field = i < line.size() && line[i] == QLatin1Char('"') ? QuotedPart(line, i) : QString();
        qsizetype tab = line.indexOf(QLatin1Char('\t'), i);
        if (tab < 0)
            tab = line.size();
        qsizetype begin = i, end = tab;
        while (begin < end && IsBlank(line[begin]))
            ++begin;
        while (end > begin && IsBlank(line[end - 1]))
            --end;
        parsed.Fields.push_back(field + line.mid(begin, end - begin));
        if (tab == line.size())
            return parsed;
        i = tab + 1;
        if (i == line.size()) {
            parsed.EndsInTab = true;
            return parsed;
        }
    }
}

TModelLine BlankSeparatedLine(const QString& line)
{
    TModelLine parsed;
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size())
            break;
        if (line[i] == QLatin1Char('"')) {
            parsed.Fields.push_back(QuotedPart(line, i));
        } else {
            const qsizetype begin = i;
            while (i < line.size() && !IsBlank(line[i]))
                ++i;
            parsed.Fields.push_back(line.mid(begin, i - begin));
        }
    }
    parsed.Filled = !parsed.Fields.empty();
    return parsed;
}

TPastedLines ModelPaste(QString text, int maxLines, int maxFields)
{
    text.truncate(text.indexOf(QChar(0)) < 0 ? text.size() : text.indexOf(QChar(0)));
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (text.isEmpty() || text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    std::vector<TModelLine> parsed;
    bool anyFilled = false, everyFilledEndsInTab = true;
    for (const QString& line : lines) {
        parsed.push_back(line.contains(QLatin1Char('\t')) ? TabbedLine(line) : BlankSeparatedLine(line));
        anyFilled = anyFilled || parsed.back().Filled;
        if (parsed.back().Filled)
            everyFilledEndsInTab = everyFilledEndsInTab && parsed.back().EndsInTab;
    }
    std::size_t width = 0;
    for (TModelLine& line : parsed) {
        if (line.EndsInTab && !(anyFilled && everyFilledEndsInTab))
            line.Fields.emplace_back();
        width = std::max(width, line.Fields.size());
    }
    TPastedLines pasted;
    for (std::size_t k = 0; k < std::min(parsed.size(), std::size_t(std::max(maxLines, 0))); ++k) {
        std::vector<QString> fields = parsed[k].Fields;
        fields.resize(std::max(fields.size(), width));
        fields.resize(std::min(fields.size(), std::size_t(std::max(maxFields, 0))));
        pasted.push_back(fields);
    }
    return pasted;
}

bool IsSystemMessage(const QString& message)
{
    static const QRegularExpression known(
        QStringLiteral("^(?:'.*' is not a valid (?:floating point|integer) value"
                       "|Subgroup size -?\\d+ is outside the range 1 to \\d+"
                       "|Floating point overflow|Floating point division by zero|Invalid floating point operation"
                       "|Division by zero|Format string too long|Cannot open clipboard"
                       "|Axis (?:Maximum|Minimum) Value must be [<>]= (?:Minimum|Maximum)"
                       "|Axis increment must be >= 0|Labels Separation % must be greater than 0)\\.?$"),
        QRegularExpression::DotMatchesEverythingOption);
    return known.match(message).hasMatch();
}

std::unique_ptr<TForm1> NewWindow(QStringList& errors)
{
    auto form = std::make_unique<TForm1>();
    form->SetErrorDisplay(std::make_unique<TRecordedErrors>(errors));
    RefuseFileDropsAsText(*form);
    form->show();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    return form;
}

TCells GridCells(const TStringGrid& grid)
{
    TCells cells;
    for (const TStoredCell& cell : grid.StoredCells())
        if (!cell.Text.isEmpty())
            cells[{cell.Col, cell.Row}] = cell.Text;
    return cells;
}

// What a valid computation shows: every edit field and memo box.
std::map<QString, QString> ComputedTexts(TForm1& form)
{
    std::map<QString, QString> texts;
    for (const TControlSpec& control : FormControls()) {
        const QString name = QString::fromUtf8(control.Name);
        if (control.Kind == TControlKind::Edit)
            texts[name] = form.Edit(name)->text();
        else if (control.Kind == TControlKind::Memo)
            texts[name] = form.Memo(name)->toPlainText();
    }
    return texts;
}

// The sample data computed with the default limits, from a cleared grid.
void ComputeSampleData(TForm1& form)
{
    form.ClickButton(QStringLiteral("Button8"));
    for (const TControlSpec& control : FormControls())
        if (control.Kind == TControlKind::Edit)
            form.Edit(QString::fromUtf8(control.Name))->setText(QString::fromUtf8(control.Text));
    form.ClickButton(QStringLiteral("Button2"));
    form.ClickButton(QStringLiteral("Button3"));
}

class TRandomUse {
public:
    explicit TRandomUse(std::uint64_t seed) : random_(seed), form_(NewWindow(errors_))
    {
        form_->SetQuestionDisplay(std::make_unique<TRandomAnswers>(random_, questions_));
    }

    struct TAction {
        const char* Name;
        int Weight;
        void (TRandomUse::*Run)();
    };
    static const std::vector<TAction> Actions;

    // Runs one random action and checks the window; returns its name.
    const char* Step()
    {
        int total = 0;
        for (const TAction& action : Actions)
            total += action.Weight;
        int pick = Below(total);
        const TAction* chosen = &Actions[0];
        for (const TAction& action : Actions)
            if ((pick -= action.Weight) < 0) {
                chosen = &action;
                break;
            }
        (this->*chosen->Run)();
        QApplication::processEvents();
        Check(chosen->Name);
        return chosen->Name;
    }

    // The sample data computed here and on a fresh window give the same texts.
    void CheckAgainstFreshWindow()
    {
        SetLocale(".", ",");
        ComputeSampleData(*form_);
        model_ = GridCells(Grid());
        QStringList freshErrors;
        const auto fresh = NewWindow(freshErrors);
        ComputeSampleData(*fresh);
        EXPECT_EQ(errors_, QStringList());
        EXPECT_EQ(freshErrors, QStringList());
        errors_.clear();
        const auto expected = ComputedTexts(*fresh);
        const auto actual = ComputedTexts(*form_);
        for (const auto& [name, text] : expected)
            EXPECT_EQ(actual.at(name), text) << name.toStdString();
    }

private:
    int Below(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }
    TStringGrid& Grid() { return *form_->StringGrid1(); }
    std::pair<int, int> Current() { return {Grid().Col(), Grid().Row()}; }

    // The user's own action may change the cells it names; nothing else.
    void TakeFromGrid(std::initializer_list<std::pair<int, int>> cells)
    {
        for (const auto& cell : cells) {
            const QString text = Grid().Cells(cell.first, cell.second);
            if (text.isEmpty())
                model_.erase(cell);
            else
                model_[cell] = text;
        }
    }
    void Expect(int col, int row, const QString& text)
    {
        if (text.isEmpty())
            model_.erase({col, row});
        else
            model_[{col, row}] = text;
    }

    void TypeIntoCurrentCell()
    {
        const auto before = Current();
        QString text = RandomFieldText(random_).left(12);
        text.remove(QRegularExpression(QStringLiteral("[\\x00-\\x1f]")));
        TypeIntoGrid(Grid(), text);
        TakeFromGrid({before, Current()});
        gridStepSinceTyping_ = false;
    }
    void SetCellText()
    {
        const int col = Below(Grid().ColCount()), row = Below(Grid().RowCount());
        const QString text = RandomFieldText(random_);
        Grid().SetCells(col, row, text);
        Expect(col, row, text);
        // A write from outside, not a grid step: Esc in an open editor may take it back.
        gridStepSinceTyping_ = false;
    }
    void PressEditingKey()
    {
        static const char* const keys[] = {"F2",   "Escape",    "Return",   "Backspace",  "Up",          "Down",
                                           "Left", "Right",     "Tab",      "Home",       "End",         "PgDown",
                                           "PgUp", "Ctrl+Home", "Ctrl+End", "Shift+Down", "Shift+Right", "Ctrl+A"};
        const auto before = Current();
        const QString key = QString::fromLatin1(keys[Below(std::size(keys))]);
        const bool escapeAfterStep = key == QLatin1String("Escape") && gridStepSinceTyping_;
        SendGridKey(Grid(), key);
        // Esc takes back typing, never part of a finished grid step.
        if (!escapeAfterStep)
            TakeFromGrid({before, Current()});
        // Other keys may open the editor or change its text: a new edit begins.
        gridStepSinceTyping_ = gridStepSinceTyping_ && key == QLatin1String("Escape");
    }
    // Delete, undo and redo change whatever the selection or the step covers:
    // the user's own change, taken into the model as the grid shows it.
    void PressGridWideKey()
    {
        static const char* const keys[] = {"Delete", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z"};
        const char* key = keys[Below(std::size(keys))];
        // In the open editor Delete is typing; undo and redo are grid steps.
        const bool typing = key == std::string_view("Delete") && Grid().EditorMode();
        SendGridKey(Grid(), QString::fromLatin1(key));
        gridStepSinceTyping_ = !typing;
        const TCells before = model_;
        model_ = GridCells(Grid());
        // Delete reaches only cells the user can see.
        if (key == std::string_view("Delete")) {
            for (const auto& [cell, text] : before) {
                if (cell.first >= Grid().ColCount() || cell.second >= Grid().RowCount()) {
                    EXPECT_EQ(model_[cell], text) << "Delete cleared a cell outside the grid";
                }
            }
        }
        const QRect selection = Grid().Selection();
        EXPECT_TRUE(selection.right() < Grid().ColCount() && selection.bottom() < Grid().RowCount())
            << "selection outside the grid";
    }
    void MoveCurrentCell() { Grid().SetCurrentCell(Below(Grid().ColCount()), Below(Grid().RowCount())); }
    void Paste()
    {
        const QString text = RandomClipboardText(random_);
        QApplication::clipboard()->setText(text);
        const auto [col, row] = Current();
        const int asked = questions_;
        SendGridKey(Grid(), QStringLiteral("Ctrl+V"));
        gridStepSinceTyping_ = true;
        ASSERT_LE(questions_ - asked, 1) << "more than one question for one paste";
        // Enlarging grows the counts to hold the whole block: the block then lands whole.
        const TPastedLines lines = ModelPaste(text, Grid().RowCount() - row, Grid().ColCount() - col);
        for (std::size_t k = 0; k < lines.size(); ++k)
            for (std::size_t j = 0; j < lines[k].size(); ++j)
                Expect(col + int(j), row + int(k), lines[k][j]);
    }
    // The grid, or the open editor's selection, to the clipboard.
    void Copy() { SendGridKey(Grid(), QStringLiteral("Ctrl+C")); }
    void LoadPairs()
    {
        QString text = RandomClipboardText(random_);
        if (Below(2))
            text.replace(QLatin1Char('\t'), QLatin1Char(','));
        QApplication::clipboard()->setText(text);
        const auto items = SplitPairItems(Utf16Units(text));
        form_->ClickButton(QStringLiteral("Button1"));
        for (std::size_t i = 0; i < items.size(); ++i)
            Expect(1 + int(i % 2), 1 + int(i / 2), TextOfUtf16Units(items[i]));
    }
    void LoadSampleData()
    {
        if (sample_.empty()) {
            QStringList ignored;
            const auto fresh = NewWindow(ignored);
            fresh->ClickButton(QStringLiteral("Button2"));
            // Kept with "." (the texts hold no other punctuation), whatever separator is in force now.
            const QString separator = QString::fromStdString(NumberSettings().DecimalSeparator);
            for (auto [cell, text] : GridCells(*fresh->StringGrid1()))
                sample_[cell] = text.replace(separator, QStringLiteral("."));
        }
        form_->ClickButton(QStringLiteral("Button2"));
        gridStepSinceTyping_ = true;
        // The sample texts are written with the decimal separator in force.
        const QString separator = QString::fromStdString(NumberSettings().DecimalSeparator);
        for (const auto& [cell, text] : sample_)
            model_[cell] = QString(text).replace(QLatin1Char('.'), separator);
    }
    void Clear()
    {
        form_->ClickButton(QStringLiteral("Button8"));
        gridStepSinceTyping_ = true;
        // Texts beyond the counts go too.
        model_.clear();
    }
    // Asked at random; once done, no text outside 5 × 10 is left to come back.
    void ResetSize()
    {
        Grid().findChild<QAction*>(QStringLiteral("StringGrid1.resetSize"))->trigger();
        // Cancelled, the grid keeps its size and no step is taken.
        if (Grid().ColCount() == 5 && Grid().RowCount() == 10) {
            gridStepSinceTyping_ = true;
            std::erase_if(model_, [](const auto& cell) { return cell.first.first >= 5 || cell.first.second >= 10; });
        }
    }
    // A file dropped on an input field or a memo pastes nothing into it.
    void DropFileOnAField()
    {
        static const char* const fields[] = {"Edit6", "Edit7", "Edit8", "Edit32", "Memo1", "Memo5"};
        QWidget* field = form_->findChild<QWidget*>(QString::fromLatin1(fields[Below(std::size(fields))]));
        QWidget* target = field;
        if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
            target = memo->viewport();
        const auto text = [field] {
            auto* edit = qobject_cast<QLineEdit*>(field);
            return edit ? edit->text() : static_cast<QPlainTextEdit*>(field)->toPlainText();
        };
        const QString before = text();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/measure.csv"))});
        data.setText(QStringLiteral("/tmp/measure.csv"));
        QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_EQ(text(), before) << "a dropped file changed " << field->objectName().toStdString();
    }
    void Compute() { form_->ClickButton(QStringLiteral("Button3")); }
    void ClickOtherButton()
    {
        static const char* const buttons[] = {"Button4", "Button5", "Button6", "Button7"};
        form_->ClickButton(QString::fromLatin1(buttons[Below(std::size(buttons))]));
    }
    void SetLimitText()
    {
        static const char* const edits[] = {"Edit6", "Edit7", "Edit8"};
        form_->Edit(QString::fromLatin1(edits[Below(std::size(edits))]))
            ->setText(Below(3) ? QString::number(20 + Below(1200) / 100.0) : RandomFieldText(random_));
    }
    void SetSubgroupSize() { form_->Edit(QStringLiteral("Edit32"))->setText(RandomSubgroupSizeText(random_)); }
    void ChangeLocale()
    {
        static const std::pair<const char*, const char*> symbols[] = {{".", ","}, {",", "."}, {",", " "}, {".", "'"}};
        const auto [decimal, grouping] = symbols[Below(std::size(symbols))];
        SetLocale(decimal, grouping);
    }
    void SetLocale(const char* decimal, const char* grouping)
    {
        SetLocaleSymbolsSource([decimal, grouping] {
            return std::pair{QString::fromLatin1(decimal), QString::fromLatin1(grouping)};
        });
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(form_.get(), &change);
    }

    void Check(const char* action)
    {
        EXPECT_EQ(GridCells(Grid()), model_) << "after " << action;
        for (const QString& message : errors_)
            EXPECT_TRUE(IsSystemMessage(message)) << "after " << action << ": " << message.left(300).toStdString();
        errors_.clear();
    }

    TRandom random_;
    QStringList errors_;
    std::unique_ptr<TForm1> form_;
    TCells model_;
    TCells sample_;
    int questions_ = 0;
    bool gridStepSinceTyping_ = false;
};

// The kinds of action and how often each is taken; add new ones here.
const std::vector<TRandomUse::TAction> TRandomUse::Actions = {
    {"type into the current cell", 8, &TRandomUse::TypeIntoCurrentCell},
    {"set a cell text", 6, &TRandomUse::SetCellText},
    {"editing key", 10, &TRandomUse::PressEditingKey},
    {"move the current cell", 6, &TRandomUse::MoveCurrentCell},
    {"paste", 5, &TRandomUse::Paste},
    {"delete, undo or redo", 2, &TRandomUse::PressGridWideKey},
    {"copy", 2, &TRandomUse::Copy},
    {"pair loader", 2, &TRandomUse::LoadPairs},
    {"sample data", 3, &TRandomUse::LoadSampleData},
    {"clear", 2, &TRandomUse::Clear},
    {"compute", 5, &TRandomUse::Compute},
    {"other button", 3, &TRandomUse::ClickOtherButton},
    {"limit or target", 5, &TRandomUse::SetLimitText},
    {"subgroup size", 4, &TRandomUse::SetSubgroupSize},
    {"locale change", 1, &TRandomUse::ChangeLocale},
    {"size reset", 1, &TRandomUse::ResetSize},
    {"file dropped on a field", 1, &TRandomUse::DropFileOnAField},
};

std::uint64_t Seed()
{
    if (const char* given = std::getenv("CPK_RANDOM_USE_SEED"))
        return std::strtoull(given, nullptr, 10);
    return std::random_device{}() * 4294967296ull + std::random_device{}();
}

int ActionCount()
{
    const char* given = std::getenv("CPK_RANDOM_USE_ACTIONS");
    return given ? std::atoi(given) : 2000;
}

}  // namespace

TEST(RandomUse, TheWindowNeverCrashesLosesACellOrShowsAForeignMessage)
{
    const std::uint64_t seed = Seed();
    const int actions = ActionCount();
    std::printf("random use: seed %llu, %d actions\n", static_cast<unsigned long long>(seed), actions);
    SCOPED_TRACE("repeat with CPK_RANDOM_USE_SEED=" + std::to_string(seed));
    TRandomUse use(seed);
    for (int step = 1; step <= actions && !::testing::Test::HasFailure(); ++step) {
        const char* action = use.Step();
        if (::testing::Test::HasFailure())
            ADD_FAILURE() << "step " << step << ": " << action;
        else if (step % 500 == 0 || step == actions)
            use.CheckAgainstFreshWindow();
    }
    SetLocaleSymbolsSource({});
}
