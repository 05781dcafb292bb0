#pragma once

#include <stdexcept>
#include <string>

namespace workbook
{

// A workbook that cannot be read or written: damaged, not BIFF8, or a file error.
// The text is Czech and meant for the user.
class WorkbookError : public std::runtime_error
{
public:
    explicit WorkbookError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace workbook
