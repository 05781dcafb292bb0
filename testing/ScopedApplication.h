#pragma once
// A QApplication of the test's own on a chosen Qt platform ("offscreen", or "minimal" where
// dialogs really run modally) for as long as the object lives; afterwards the platform
// setting is what it was. For tests that need an application apart from the program's one.

#include "testing/ScopedEnvironment.h"

#include <QApplication>

class ScopedApplication
{
public:
    explicit ScopedApplication(const char* platform) : m_platform("QT_QPA_PLATFORM", platform) {}

private:
    ScopedEnvironment m_platform;
    int m_argc = 1;
    char m_name[5] = "test";
    char* m_argv[2] = {m_name, nullptr};
    QApplication m_application{m_argc, m_argv};
};
