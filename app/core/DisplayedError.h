#pragma once
// How the error display words a message; shared by the window and the batch mode.
#include <functional>
#include <optional>
#include <string>

// The message as shown: "." is appended when the last character sorts after
// "." (digits, letters, Chinese characters), not after ")", "!", blanks or ".".
std::string DisplayedErrorMessage(const std::string& message);

// Runs a command as the window runs one: nothing when it ends normally, else
// the message of the error it stopped with (the system's errors, running out
// of memory, any other exception), worded as the error display shows it.
std::optional<std::string> DisplayedErrorOf(const std::function<void()>& command);
