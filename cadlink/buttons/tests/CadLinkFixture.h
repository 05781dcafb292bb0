#pragma once
// A CAD program for the tests: the registry of a temporary folder names the stand-in CAD program
// (started by the bridge when a call needs it), with a drawing, a pick script and its event log.

#include "cadlink/buttons/CVorbica.h"

#include <gtest/gtest.h>

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class CadLinkFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Registers the stand-in under the bridge's program id, with the pick script and switches.
    void Register(const QString& script = "[]", const QStringList& switches = {});
    // A registry value of the temporary folder (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE).
    static void SetRegistryValue(HKEY root, const char* key, const char* name, const char* value);
    // The stand-in's events, in order.
    QList<QJsonObject> Events() const;
    // The events that have the key (and, when given, the value "event").
    QList<QJsonObject> EventsWith(const QString& key, const QString& event = {}) const;
    bool StandInStarted() const;
    QStringList MessageTexts() const;

    QTemporaryDir m_root;
    int m_runs = 0;
    QString m_folder;
    QString m_log;
    CVorbica m_button;
};

// The elements of a two-dimensional array VARIANT, first index fastest.
QList<QVariant> ArrayItems(const VARIANT& value, int& rows, int& columns);
