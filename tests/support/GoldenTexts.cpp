#include "GoldenTexts.h"

#include <fstream>
#include <stdexcept>

namespace {

std::map<std::string, std::vector<std::string>> ReadGoldenFile(const char* path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error(std::string("cannot read ") + path);
    std::map<std::string, std::vector<std::string>> texts;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos)
            throw std::runtime_error("no tab in golden line: " + line);
        texts[line.substr(0, tab)].push_back(line.substr(tab + 1));
    }
    return texts;
}

}  // namespace

const std::map<std::string, std::vector<std::string>>& SampleDataResults()
{
    static const auto texts = ReadGoldenFile(CPK_SAMPLE_DATA_RESULTS);
    return texts;
}

const std::string& SampleDataResult(const std::string& key)
{
    const std::vector<std::string>& lines = SampleDataResults().at(key);
    if (lines.size() != 1)
        throw std::runtime_error("golden key with several lines: " + key);
    return lines.front();
}
