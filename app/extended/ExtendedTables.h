#pragma once
// The extended analysis's tables as rows of texts: what the window shows and
// what 复制 puts on the clipboard. Numbers by the system's number settings.
#include <string>
#include <vector>

#include "ExtendedResult.h"

struct TTextTable {
    std::string Title;
    std::vector<std::string> Header;
    std::vector<std::vector<std::string>> Rows;
};

TTextTable IndicesTable(const TExtendedResult& r);
TTextTable PpmTable(const TExtendedResult& r);
TTextTable NormalityTable(const TExtendedResult& r);
TTextTable RunTestsTable(const TExtendedResult& r);
// The four fits with their A^2, and the capability of the chosen distribution.
TTextTable FitsTable(const TExtendedResult& r);
TTextTable DistributionTable(const TExtendedResult& r);

std::string ChartCaption(const std::string& chartName);
// A distribution's name as the window shows it.
const char* FamilyName(const std::string& name);

// Every table one after another: tab-separated text, and the same as HTML.
std::string TablesAsTabText(const std::vector<TTextTable>& tables);
std::string TablesAsHtml(const std::vector<TTextTable>& tables);
