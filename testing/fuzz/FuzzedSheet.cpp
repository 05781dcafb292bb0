#include "testing/fuzz/FuzzedSheet.h"

#include "data/generator/DataSheetFile.h"
#include "platform/core/NumberText.h"
#include "platform/dao/WorkbookFile.h"

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <unistd.h>
#include <vector>

namespace FuzzedSheet
{
namespace
{
// Bounds on one input, so that a run tries many inputs.
constexpr std::size_t kColumns = 100;
constexpr std::size_t kRows = 200;

std::vector<std::string> Lines(std::string_view input)
{
    std::vector<std::string> lines;
    while (!input.empty() && lines.size() < kRows + 2)
    {
        const std::size_t end = input.find('\n');
        lines.emplace_back(input.substr(0, end));
        if (!lines.back().empty() && lines.back().back() == '\r')
            lines.back().pop_back();
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    return lines;
}
} // namespace

std::string WorkbookPath()
{
    static char folder[] = "/dev/shm/sheet-loader-fuzz-XXXXXX";
    static const std::string path = [] {
        if (!::mkdtemp(folder))
            std::abort();
        // The run ends through exit(): the folder goes with it.
        std::atexit([] {
            ::unlink((std::string(folder) + "/Projekt.xls").c_str());
            ::rmdir(folder);
        });
        return std::string(folder) + "/Projekt.xls";
    }();
    return path;
}

bool Write(const std::string& path, const char* sheet, std::string_view input)
{
    const std::vector<std::string> lines = Lines(input);
    if (lines.size() < 2)
        return false;
    std::vector<std::string> names = datagen::SplitAtTabs(lines[0]);
    names.resize(std::min(names.size(), kColumns));
    const std::vector<std::string> types = datagen::SplitAtTabs(lines[1]);
    workbook::Workbook book;
    workbook::Worksheet& cells = book.AddSheet(sheet);
    for (std::size_t c = 0; c < names.size(); ++c)
        cells.SetText(0, int(c), names[c]);
    for (std::size_t r = 2; r < lines.size(); ++r)
    {
        const std::vector<std::string> fields = datagen::SplitAtTabs(lines[r]);
        for (std::size_t c = 0; c < fields.size() && c < names.size(); ++c)
        {
            double number = 0;
            if (fields[c].empty())
                continue;
            if (c < types.size() && types[c] == "number" && NumberText::Parse(fields[c], number))
                cells.SetNumber(int(r - 1), int(c), number);
            else
                cells.SetText(int(r - 1), int(c), fields[c]);
        }
    }
    const std::vector<std::uint8_t> bytes = workbook::WorkbookToBytes(book);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return true;
}
} // namespace FuzzedSheet
