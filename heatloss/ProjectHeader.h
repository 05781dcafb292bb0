#pragma once
// The project's header: names, dates and climate data ("DataAkce$").

#include "platform/core/CString.h"

struct ProjectHeader
{
    CString investor1;         // "Název zakázky"
    CString investor2;         // "Název zakázky2"
    CString building1;         // "Název projektu"
    CString building2;         // "Název projektu2"
    CString author;            // "Vypracoval"
    CString date;              // "Datum", "%d-%m-%Y"
    CString orderNumber;       // "Zakázkové číslo"
    CString archiveNumber;     // "Archivní číslo"
    CString note;              // "Poznámka"
    int Te = 0;                // outdoor design temperature, °C ("Venkovní teplota"); 0: missing
    CString altitude;          // m ("NadmVýška")
    CString temperatureRegion; // "Teplotní oblast"
    CString windyLandscape;    // "ano"/"ne" ("Intenzita větrů")
    int B = 0;                 // building characteristic number, Pa^0.67 ("ChČ budovy")
    double p2 = 0.0;           // heating-up surcharge ("Přirážka na UZ")
    int buildingType = 0;      // 1..12, 0: none ("Typ budovy")
    CString buildingTypeText;  // the text of the building type (not stored)
};
