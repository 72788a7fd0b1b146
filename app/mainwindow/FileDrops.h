#pragma once
// Files dragged from a file manager carry their paths as text too; the form's
// text fields would insert that path as if typed. They refuse such drops, so
// that the drop reaches the main window instead.
class QWidget;

void RefuseFileDropsAsText(QWidget& form);
