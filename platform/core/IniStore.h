#pragma once
// One section of an INI file through QSettings: the storage of the profile and registry.

#include <QSettings>
#include <QString>

#include <memory>
#include <string>

class IniStore
{
public:
    // section "" stands for the values outside any section.
    IniStore(const std::string& file, const std::string& section);

    bool Exists() const;
    bool Has(const char* name) const;
    // Empty when missing.
    std::string Get(const char* name) const;
    bool Set(const char* name, const std::string& value);
    bool Remove(const char* name);
    bool RemoveSection();
    QStringList Names() const;

private:
    bool Sync();

    std::unique_ptr<QSettings> m_settings;
    QString m_section;
};
