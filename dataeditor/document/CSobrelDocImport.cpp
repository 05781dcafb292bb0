// Importing tables of other kinds of file into a new document.
#include "dataeditor/document/CSobrelDoc.h"

BOOL CSobrelDoc::ImportFile(const CString&) { return FALSE; }
