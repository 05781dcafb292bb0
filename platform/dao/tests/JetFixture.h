#pragma once

#include "platform/dao/JetDatabase.h"
#include "platform/dao/JetError.h"
#include "platform/dao/WorkbookFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>

// A workbook file in a temporary folder, made by a test, opened as a database.
class JetFixture : public ::testing::Test
{
protected:
    std::string MakeWorkbook(const std::string& fileName, const std::function<void(workbook::Workbook&)>& fill)
    {
        workbook::Workbook book;
        fill(book);
        const std::string path = PathOf(fileName);
        workbook::WriteWorkbook(book, path);
        return path;
    }
    std::string PathOf(const std::string& fileName) const { return dir_.filePath(QString::fromStdString(fileName)).toStdString(); }
    static std::unique_ptr<jet::Database> OpenExcel(const std::string& path, bool readOnly = false)
    {
        return jet::OpenDatabase(path, "Excel 8.0", readOnly, false);
    }
    // Runs code that must fail with a database error of that code.
    static void ExpectJetError(int code, const std::function<void()>& action)
    {
        try
        {
            action();
            ADD_FAILURE() << "no database error, expected " << code;
        }
        catch (const jet::JetError& error)
        {
            EXPECT_EQ(error.Code(), code) << error.what();
        }
    }

    QTemporaryDir dir_;
};
