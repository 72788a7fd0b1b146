#pragma once
// The `extended` object of the dump and of the batch JSON, as JSON text.
// Whatever could not be computed is null; points count from 1.
#include <string>

#include "ExtendedResult.h"

std::string ExtendedJson(const TExtendedResult& result);
