#pragma once
// Result fields are narrower than their numbers (26.4011993408203 in 79
// pixels). Qt selects a field's whole text when Tab brings the focus and
// scrolls to its end, so that "4011993408203" is what a reader sees; the
// result fields show the beginning of their number instead, the whole text
// still selected.
class QWidget;

// For every edit field of the form that the compute command writes.
void ShowStartOfResultFields(QWidget& form);
