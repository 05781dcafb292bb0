#pragma once

#include <string>
#include <vector>

namespace datagen
{

// The list of a workbook's sheets: "file<TAB>name" once, then "sheet<TAB>name<TAB>data file"
// a sheet in order; lines starting with '#' are comments. Data files are relative to the
// manifest's folder.
class WorkbookManifest
{
public:
    struct SheetEntry
    {
        std::string name;
        std::string dataFile;
    };

    // Reads and checks the manifest; throws std::runtime_error naming the file and line.
    static WorkbookManifest Load(const std::string& path);

    const std::string& FileName() const { return fileName_; }
    const std::vector<SheetEntry>& Sheets() const { return sheets_; }

private:
    std::string fileName_;
    std::vector<SheetEntry> sheets_;
};

} // namespace datagen
