#pragma once
// The project-info file that a document-management host names on the command line
// ("ORBELDOCINFO.INI:<path>"): section heads in brackets, key=value lines, each read whole
// (CR LF, LF or CR alone ends a line). Read as UTF-16 after its byte-order mark, else as UTF-8,
// or as code page 1250 when it is not valid UTF-8. Nothing is ever written to it.

#include "heatloss/ProjectFolders.h"
#include "heatloss/ProjectInfo.h"

#include <cstddef>
#include <vector>

class ProjectInfoFile
{
public:
    // Reads the whole file; false when it does not open or is UTF-16 that does not decode.
    bool Open(const CString& path);

    // Reads the next meaningful line (blank lines and ";" comments skipped, white space
    // trimmed) into the line buffer: 1 for a section head or at the end of the file (the
    // buffer then empty), 0 for a key line.
    int ReadInfoLine();
    // 1 when the buffered line sets the key, its value copied into destination; else 0.
    // The key is the line's text before its first "=" (trimmed, any case); a line without
    // "=" sets a key it begins with.
    int LookupInfoKey(const char* key, CString& destination) const;
    const CString& Line() const { return m_line; }

    // The header values of the file at path; nothing for an empty path.
    static ProjectInfo ReadProjectInfo(const CString& path);
    // The folders and the project path of the file at path; nothing for an empty path.
    static ProjectFolders ReadProjectFolders(const CString& path);

private:
    struct Key
    {
        const char* section;
        const char* key;
        std::optional<CString>* destination;
    };

    // Reads the file into the given keys; false when it does not open.
    static bool ReadKeys(const CString& path, const std::vector<Key>& keys);

    std::vector<CString> m_lines;
    std::size_t m_next = 0;
    CString m_line;
};
