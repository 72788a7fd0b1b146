#pragma once
// The menu bar: every entry runs the same command as its button, through the
// form's one error display.
class QMainWindow;
class TForm1;

void BuildMainMenu(QMainWindow& window, TForm1& form);
