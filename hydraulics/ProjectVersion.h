#pragma once
// The program version text of the open project ("PROG_VER" of "DataAkce$"); the document
// sets it when it loads the project header. "1.0" marks a project of the first version.

#include "platform/core/CString.h"

CString& ProjectProgramVersion();
