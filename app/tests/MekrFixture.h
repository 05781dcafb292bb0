#pragma once
// The heating design program started off screen for a test: its own config, machine and data
// folders, language packs only where a test puts them, every box and dialog scripted.

#include "app/CMainFrame.h"
#include "app/CMekrApp.h"
#include "app/ShellLauncher.h"
#include "platform/core/CString.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class MekrFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Starts the program with these arguments after the program's name; false when it failed.
    bool Start(const std::vector<CString>& arguments = {});
    // Ends the program as a user does: closing the main window, then the exit step.
    void Stop();
    // Writes a value of the "Settings" section as a previous run would have.
    void Store(const char* name, const char* value);
    CString Stored(const char* name) const;
    std::string FolderPath(const char* name) const;
    void Command(UINT id);

    QTemporaryDir m_config;
    QTemporaryDir m_machine;
    QTemporaryDir m_userData;   // the program's folder in the user's XDG data folder
    QTemporaryDir m_documents;  // the user's documents
    QTemporaryDir m_folder; // data and working folders of the test
    QTemporaryDir m_noPacks;
    std::vector<CString> m_openedAddresses;
    CMekrApp* m_app = nullptr;
    CMainFrame* m_frame = nullptr;
};
