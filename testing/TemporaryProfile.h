#pragma once
// The profile and the registry in folders of their own for as long as the object lives: the
// user's settings in one temporary folder, the machine's in another. Afterwards the profile
// uses its usual folders again, with the registry key and profile name it had before.
//   class SomeTest : public ::testing::Test { TemporaryProfile m_profile; ... };

#include "platform/core/CString.h"

#include <QString>
#include <QTemporaryDir>

class TemporaryProfile
{
public:
    TemporaryProfile();
    ~TemporaryProfile();
    TemporaryProfile(const TemporaryProfile&) = delete;
    TemporaryProfile& operator=(const TemporaryProfile&) = delete;

    QString ConfigFolder() const { return m_config.path(); }
    QString MachineFolder() const { return m_machine.path(); }
    QString DataFolder() const { return m_data.path(); }
    QString DocumentsFolder() const { return m_documents.path(); }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_machine;
    QTemporaryDir m_data;
    QTemporaryDir m_documents;
    CString m_registryKey;
    CString m_profileName;
};
