#pragma once
// One QApplication for the whole test program (fonts, printers and widgets need it).

#include <QApplication>
#include <gtest/gtest.h>

class QtTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance())
        {
            static int argc = 1;
            static char name[] = "gdi_tests";
            static char* argv[] = {name, nullptr};
            m_app = new QApplication(argc, argv);
        }
    }

private:
    QApplication* m_app = nullptr;
};
