#include "hydraulics/ProjectVersion.h"

CString& ProjectProgramVersion()
{
    static CString version;
    return version;
}
