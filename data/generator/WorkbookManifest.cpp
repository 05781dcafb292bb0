#include "data/generator/WorkbookManifest.h"

#include "data/generator/DataSheetFile.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace datagen
{

WorkbookManifest WorkbookManifest::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(path + ": cannot be opened");
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    WorkbookManifest manifest;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line))
    {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string> fields = SplitAtTabs(line);
        const std::string where = path + ":" + std::to_string(lineNumber) + ": ";
        if (fields[0] == "file" && fields.size() == 2 && !fields[1].empty())
            manifest.fileName_ = fields[1];
        else if (fields[0] == "sheet" && fields.size() == 3 && !fields[1].empty() && !fields[2].empty())
            manifest.sheets_.push_back({fields[1], (folder / fields[2]).string()});
        else
            throw std::runtime_error(where +
                                     "expected \"file<TAB>name\" or \"sheet<TAB>name<TAB>data file\"");
    }
    if (manifest.fileName_.empty())
        throw std::runtime_error(path + ": no \"file\" line");
    if (manifest.sheets_.empty())
        throw std::runtime_error(path + ": no sheet");
    return manifest;
}

} // namespace datagen
