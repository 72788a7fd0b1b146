#pragma once
// What a screen reader says for each control: the name a user reads on the
// window, not the component name (which stays the objectName, for automation).
#include <QString>

class QWidget;

// The accessible name of a control of the window: the text of the label that
// names an edit field or memo, a button's caption, a chart's role. Empty for a
// name the window does not have.
QString AccessibleNameOf(const QString& controlName);

// Sets every control's accessible name and makes each naming label the buddy
// of its field.
void DescribeForAccessibility(QWidget& form);
