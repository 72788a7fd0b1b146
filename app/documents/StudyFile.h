#pragma once
// The study file and the window: what of the form it keeps, and the form
// restored from it.
#include "StudyRecord.h"

class TForm1;

TStudy CaptureStudy(const TForm1& form);
// The grid (as one undo step) and the fields; the extended choices open the
// window 扩展分析 with them.
void ApplyStudy(TForm1& form, const TStudy& study);
