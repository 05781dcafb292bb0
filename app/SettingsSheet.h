#pragma once
// The settings sheet: folders, calculation options, the data editor and the owner data, on
// copies of the settings; OK writes them back (and to the profile at once). A new working-data
// folder receives a copy of the project's working copy.

class CWnd;

class SettingsSheet
{
public:
    // startPage -1: the owner page when the organisation is missing, else the first page.
    // IDOK when the settings were taken over. Never a second sheet over an open one.
    static int Run(CWnd* owner, int startPage = -1);
    static bool IsOpen();
};
