#pragma once
// Starting other programs and opening addresses: a program starts with its own argument list
// (no shell, no quoting), an address opens in the desktop's handler. Tests replace the opener
// of addresses, so that nothing opens on the desktop.

#include "platform/core/CString.h"

#include <functional>
#include <vector>

class ShellLauncher
{
public:
    using AddressOpener = std::function<bool(const CString& address)>;

    // False when the program could not be started.
    static bool StartProgram(const CString& program, const std::vector<CString>& arguments, const CString& folder);
    // An address, or a file path (a relative one lies beside the program).
    static bool OpenAddress(const CString& address);
    // An empty opener restores the desktop's.
    static void SetAddressOpener(AddressOpener opener);
};
