#include "QuestionDisplay.h"

#include <QMessageBox>
#include <QPushButton>

#include <vector>

int TMessageBoxQuestionDisplay::Ask(const TQuestion& question)
{
    QMessageBox box(QMessageBox::Question, question.Title, question.Text, QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> buttons;
    for (const QString& text : question.Buttons)
        buttons.push_back(box.addButton(text, QMessageBox::ActionRole));
    if (buttons.empty())
        return -1;
    box.setDefaultButton(buttons.at(static_cast<std::size_t>(question.DefaultButton)));
    box.setEscapeButton(buttons.at(static_cast<std::size_t>(question.EscapeButton)));
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return static_cast<int>(i);
    return question.EscapeButton;
}
