#pragma once
// Which reports the open project holds data for, checked silently (no message, a sheet opened
// only when the workbook has it) and kept until the next check: the command-update handlers of
// Print and Preview read it without any file work.

#include "platform/core/CString.h"
#include "platform/core/FileOps.h"

#include <array>
#include <optional>

class ReportAvailability
{
public:
    static constexpr int ReportCount = 11;
    using Flags = std::array<bool, ReportCount>;

    // The program's record.
    static ReportAvailability& Instance();

    // The sheets of the project workbook at this path: "SeznamV$" with a room (0 and 1),
    // "MateriPodlah$" (4), "MateriStenov$" (9) and "DimenzSegm$" (6) with a row each, and the
    // floor and wall heating design of "SeznamM$" (2, 3, 5, 7, 8 and 10).
    static Flags Check(const CString& workbookPath);

    // Checks the current project again and keeps the result, when it is another project or its
    // workbook changed since the last check.
    void Refresh();
    const Flags& HasData() const { return m_flags; }
    // The reports that have data and can be printed by this program.
    Flags Printable() const;
    bool AnyPrintable() const;

private:
    Flags m_flags{};
    // What the flags were checked on.
    bool m_checked = false;
    CString m_checkedPath;
    std::optional<FileOps::Stamp> m_checkedStamp;
};
