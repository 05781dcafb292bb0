#include "heatloss/ProjectInfoFile.h"

#include "heatloss/HeatLossIds.h"
#include "heatloss/ModelCapacity.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/MessageBox.h"
#include "platform/core/TextFile.h"

#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

namespace
{

// Sections in the order a head is recognised by; the first three are always skipped.
constexpr const char* kSections[] = {"DOKUMENT", "UZIVATEL", "PROFESE", "PROJEKT", "ZAKAZKA", "SLOZKY"};

const char* SectionOf(const CString& head)
{
    CString upper = head;
    upper.MakeUpper();
    for (const char* section : kSections)
        if (upper.Find(section) >= 0)
            return section;
    return nullptr;
}

// The file's text; nothing for UTF-16 that does not decode.
std::optional<CString> Decoded(std::string_view bytes)
{
    const std::optional<std::string> text = TextFile::Decode(bytes);
    return text ? std::optional<CString>(CString(*text)) : std::nullopt;
}

// The file's lines, each read whole; a line ends with CR LF, LF or CR alone.
std::vector<CString> LinesOf(const CString& text)
{
    std::vector<CString> lines;
    const std::string& all = text.str();
    std::size_t start = 0;
    while (start < all.size())
    {
        const std::size_t end = all.find_first_of("\r\n", start);
        if (end == std::string::npos)
        {
            lines.emplace_back(all.substr(start));
            break;
        }
        lines.emplace_back(all.substr(start, end - start));
        start = end + (all.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

HeatLossMessage FileProblem(const CString& path)
{
    HeatLossMessage message;
    message.id = IDS_HL_FILE_PROBLEM;
    message.argument = path;
    message.icon = MB_ICONEXCLAMATION;
    return message;
}

void BoundHeaderText(std::optional<CString>& value)
{
    if (value)
        *value = ModelText(*value, HEADER_TEXT_CHARS);
}

void RemoveTrailingSeparators(std::optional<CString>& folder)
{
    if (folder)
        folder->TrimRight("\\/");
}

} // namespace

bool ProjectInfoFile::Open(const CString& path)
{
    std::ifstream in(path.str(), std::ios::binary);
    if (!in)
        return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::optional<CString> text = Decoded(bytes.str());
    if (!text)
        return false;
    m_lines = LinesOf(*text);
    m_next = 0;
    m_line.Empty();
    return true;
}

int ProjectInfoFile::ReadInfoLine()
{
    while (m_next < m_lines.size())
    {
        CString line = m_lines[m_next++];
        line.TrimLeft();
        if (line.IsEmpty() || line.GetAt(0) == U';')
            continue;
        m_line = line.TrimRight();
        return m_line.GetAt(0) == U'[' ? 1 : 0;
    }
    m_line.Empty();
    return 1;
}

int ProjectInfoFile::LookupInfoKey(const char* key, CString& destination) const
{
    CString upperKey(key);
    upperKey.MakeUpper();
    CString upperLine = m_line;
    upperLine.MakeUpper();
    const int equals = m_line.Find(U'=');
    if (equals >= 0)
    {
        CString lineKey = upperLine.Left(equals);
        if (lineKey.Trim() != upperKey)
            return 0;
        destination = m_line.Mid(equals + 1);
        return 1;
    }
    if (upperLine.Find(upperKey.GetString()) != 0)
        return 0;
    int start = 0;
    while (start < upperLine.GetLength() && upperKey.Find(upperLine.GetAt(start)) >= 0)
        ++start;
    destination = m_line.Mid(start);
    return 1;
}

bool ProjectInfoFile::ReadKeys(const CString& path, const std::vector<Key>& keys)
{
    ProjectInfoFile file;
    if (!file.Open(path))
        return false;
    const char* section = nullptr;
    for (;;)
    {
        const int head = file.ReadInfoLine();
        if (file.Line().IsEmpty())
            break;
        if (head)
        {
            section = SectionOf(file.Line());
            continue;
        }
        for (const Key& key : keys)
        {
            CString value;
            if (key.section == section && file.LookupInfoKey(key.key, value))
            {
                *key.destination = value;
                break;
            }
        }
    }
    return true;
}

ProjectInfo ProjectInfoFile::ReadProjectInfo(const CString& path)
{
    ProjectInfo info;
    if (path.IsEmpty())
        return info;
    const char* project = kSections[3];
    const char* order = kSections[4];
    const std::vector<Key> keys = {
        {project, "Nazev1", &info.building1},   {project, "Nazev2", &info.building2},
        {project, "Projektant", &info.author},  {project, "DbLegenda", &info.projectPath},
        {order, "Nazev1", &info.investor1},     {order, "Nazev2", &info.investor2},
        {order, "ZC", &info.orderNumber},       {order, "AC", &info.archiveNumber},
        {order, "Poznamka", &info.note},
    };
    if (!ReadKeys(path, keys))
    {
        info = ProjectInfo();
        info.message = FileProblem(path);
        return info;
    }
    for (std::optional<CString>* value : {&info.building1, &info.building2, &info.author, &info.investor1,
                                          &info.investor2, &info.orderNumber, &info.archiveNumber, &info.note})
        BoundHeaderText(*value);
    return info;
}

ProjectFolders ProjectInfoFile::ReadProjectFolders(const CString& path)
{
    ProjectFolders folders;
    if (path.IsEmpty())
        return folders;
    const char* project = kSections[3];
    const char* folderSection = kSections[5];
    const std::vector<Key> keys = {
        {project, "DbLegenda", &folders.projectPath}, {project, "DbStruktura", &folders.structure},
        {folderSection, "All", &folders.pathEdit},    {folderSection, "Data", &folders.pathList},
        {folderSection, "Work", &folders.pathDump},
    };
    if (!ReadKeys(path, keys))
    {
        folders = ProjectFolders();
        folders.message = FileProblem(path);
        return folders;
    }
    for (std::optional<CString>* folder : {&folders.pathEdit, &folders.pathList, &folders.pathDump})
        RemoveTrailingSeparators(*folder);
    return folders;
}
