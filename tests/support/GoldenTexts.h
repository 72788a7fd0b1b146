#pragma once
// The golden texts of the sample data (tests/data/sample-data-results.txt):
// by field key, the field's text as the only line or the memo's lines.
#include <map>
#include <string>
#include <vector>

const std::map<std::string, std::vector<std::string>>& SampleDataResults();

// The golden text of a single-line field.
const std::string& SampleDataResult(const std::string& key);
