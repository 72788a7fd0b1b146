#pragma once
// The sentence the error display shows below a message of the compute
// command: what to do about it and, where one caused it, which cell or field.
// The message itself stays the system's own; the explanation is found
// afterwards from the window and the record the command left behind.
#include <string>

#include "ResultRecord.h"
#include "WindowModel.h"

// message: as the error display shows it. "" when the message is none of the
// compute command's. record: the current record, null before any compute.
std::string ExplainComputeError(const TWindowModel& window, const TCPKValue* record, const std::string& message);
