#pragma once
// What the user should know after a compute where the subgroups the command
// formed do not match the rows on screen: the command reads the values in
// reading order and cuts them into subgroups of the subgroup size, so empty
// cells between values shift every later reading, and the values after the
// last whole subgroup are left out of the X-bar and R quantities.
#include <string>
#include <vector>

#include "ResultRecord.h"
#include "WindowModel.h"

// Each notice once, in reading order; empty when the subgroups are the rows.
std::vector<std::string> ComputeNotices(const TWindowModel& window, const TCPKValue& record);
