#pragma once
// One run of cpk-xr-batch from its arguments to its exit status:
// 0 the computation ran to its end, 1 it stopped with one of the system's
// errors (the shown message on err), 2 a usage or input error.
#include <istream>
#include <ostream>
#include <span>
#include <string>

// Needs a QGuiApplication and the number settings read from the locale.
int RunBatch(std::span<const std::string> args, std::istream& standardInput, std::ostream& out, std::ostream& err);
