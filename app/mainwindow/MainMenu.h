#pragma once
// The menu bar: every entry runs the same command as its button, through the
// form's one error display.
class TForm1;
class TMainWindow;

void BuildMainMenu(TMainWindow& window, TForm1& form);
