#pragma once
// A temporary folder with a small catalogue workbook "MekrData.xls" written by python3-xlwt:
// the sheet "Mekr_Ot" (columns "Kód", "Název otvoru", "Format"; 5 rows) and "Mekr_StK".

#include "platform/core/CString.h"

#include <QTemporaryDir>

#include <cstdlib>
#include <string>

class CatalogueFixture
{
public:
    CatalogueFixture()
    {
        // Debian's own python3 carries xlwt; the first python3 on PATH may not.
        const std::string command = std::string("/usr/bin/python3 '") + KALVENROD_SOURCE_DIR +
                                    "/common/tests/fixtures/make_catalogue.py' '" + Catalogue().str() + "'";
        m_written = std::system(command.c_str()) == 0;
    }
    bool Written() const { return m_written; }
    CString Folder() const { return CString(m_folder.path().toStdString()); }
    CString Catalogue() const { return Folder() + "/MekrData.xls"; }

private:
    QTemporaryDir m_folder;
    bool m_written = false;
};
