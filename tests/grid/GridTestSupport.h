#pragma once
// The real main window for grid tests: shown and active on the offscreen
// platform, its error messages recorded, keys pressed as a user presses them.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

#include "GridKeys.h"
#include "RecordedErrors.h"
#include "StringGrid.h"
#include "Unit1.h"

// Question boxes answered as the test says, by default with the plain paste.
class TRecordedQuestions : public TQuestionDisplay {
public:
    TRecordedQuestions(QStringList& texts, QString& answer) : texts_(texts), answer_(answer) {}
    int Ask(const TQuestion& question) override
    {
        texts_ << question.Text;
        const qsizetype chosen = question.Buttons.indexOf(answer_);
        return chosen >= 0 ? static_cast<int>(chosen) : question.EscapeButton;
    }

private:
    QStringList& texts_;
    QString& answer_;
};

class GridWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = std::make_unique<TForm1>();
        form_->SetErrorDisplay(std::make_unique<TRecordedErrors>(errors_));
        form_->SetQuestionDisplay(std::make_unique<TRecordedQuestions>(questions_, answer_));
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QApplication::processEvents();
        QApplication::clipboard()->clear();
    }
    void TearDown() override { EXPECT_TRUE(errors_.isEmpty()) << errors_.join(QLatin1Char('\n')).toStdString(); }

    TStringGrid& Grid() { return *form_->StringGrid1(); }
    void Key(const char* sequence) { ASSERT_TRUE(SendGridKey(Grid(), QString::fromUtf8(sequence))); }
    void Type(const QString& text) { TypeIntoGrid(Grid(), text); }
    QString Cell(int col, int row) { return Grid().Cells(col, row); }
    QString Clipboard() { return QApplication::clipboard()->text(); }
    void SetClipboard(const QString& text) { QApplication::clipboard()->setText(text); }
    QLineEdit* Editor() { return Grid().InplaceEditor(); }

    std::unique_ptr<TForm1> form_;
    QStringList errors_;
    QStringList questions_;
    QString answer_;
};
