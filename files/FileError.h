#pragma once
// A data file that cannot be read: the message is Chinese and names the file
// and what is wrong with it.
#include <stdexcept>

class TFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
