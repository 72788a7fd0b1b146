#pragma once
// How the error display words a message; shared by the window and the batch mode.
#include <string>

// The message as shown: "." is appended when the last character sorts after
// "." (digits, letters, Chinese characters), not after ")", "!", blanks or ".".
std::string DisplayedErrorMessage(const std::string& message);
