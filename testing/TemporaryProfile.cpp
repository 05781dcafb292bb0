#include "testing/TemporaryProfile.h"

#include "platform/core/Profile.h"

TemporaryProfile::TemporaryProfile()
    : m_registryKey(Profile::RegistryKey()), m_profileName(Profile::ProfileName())
{
    Profile::SetConfigFolder(m_config.path().toUtf8().constData());
    Profile::SetMachineFolder(m_machine.path().toUtf8().constData());
    Profile::SetDataFolder(m_data.path().toUtf8().constData());
    Profile::SetDocumentsFolder(m_documents.path().toUtf8().constData());
}

TemporaryProfile::~TemporaryProfile()
{
    Profile::SetConfigFolder("");
    Profile::SetMachineFolder("");
    Profile::SetDataFolder("");
    Profile::SetDocumentsFolder("");
    Profile::SetRegistryKey(m_registryKey);
    Profile::SetProfileName(m_profileName);
}
