#pragma once
// The form's header labels (控制图编号, 部门, 工序, 操作者, 质量特性, 工程规范,
// 样本容量/频率) show the study information: the label's caption part followed
// by the user's text, fitted into the laid-out box. A field not given leaves
// its label's laid-out text as it is.
#include "StudyInfo.h"

class TForm1;

void ShowStudyOnLabels(TForm1& form, const TStudyInfo& info);

// The label's text for one field: "部门：" + "机加工", or the laid-out text.
QString StudyLabelText(const TStudyFieldInfo& field, const TStudyInfo& info);
