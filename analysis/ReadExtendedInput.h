#pragma once
// What the extended analysis reads of the window: the grid cells in reading
// order and Edit6 (USL), Edit7 (target), Edit8 (LSL), Edit32 (subgroup size),
// by the system's number rules. Nothing here throws: a text that is not a
// number is left out and named in a message.
#include "ExtendedResult.h"
#include "WindowModel.h"

// Every grid row's count of values is kept for rows as subgroups; then Edit32 is not read.
TExtendedInput ReadExtendedInput(const TWindowModel& window, TWithinSigmaMethod method, double confidence,
                                 TSubgroupChoice subgroups = TSubgroupChoice::Size);

// A value typed by the user (a limit, a historical value): empty is not given;
// a text that is no number is named in a message and not used.
std::optional<double> ReadTypedValue(const std::string& text, const char* what, std::vector<std::string>& messages);
