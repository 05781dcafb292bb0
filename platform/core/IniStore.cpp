#include "platform/core/IniStore.h"

#include "platform/core/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
// The file that a symbolic link names, so that the link stays a link.
std::string Target(const std::string& file)
{
    const QFileInfo info(QString::fromStdString(file));
    return info.isSymLink() && !info.canonicalFilePath().isEmpty() ? info.canonicalFilePath().toStdString()
                                                                   : file;
}
} // namespace

IniStore::IniStore(const std::string& file, const std::string& section)
    : m_file(Target(file)), m_section(section.empty() ? "General" : section), m_wholeFile(section.empty())
{
    QFile in(QString::fromStdString(m_file));
    m_exists = in.exists();
    if (!m_exists)
        return;
    if (in.size() > qint64(IniFile::kMaxBytes) || !in.open(QIODevice::ReadOnly))
    {
        m_readable = false;
        return;
    }
    m_ini = IniFile(in.readAll().toStdString());
}

bool IniStore::Exists() const
{
    return m_exists && (m_wholeFile || m_ini.HasSection(m_section));
}

bool IniStore::Has(const char* name) const
{
    return m_ini.Get(m_section, name ? name : "").has_value();
}

std::string IniStore::Get(const char* name) const
{
    return m_ini.Get(m_section, name ? name : "").value_or(std::string());
}

bool IniStore::Set(const char* name, const std::string& value)
{
    return m_ini.Set(m_section, name ? name : "", value) && Save();
}

bool IniStore::Remove(const char* name)
{
    return m_ini.Remove(m_section, name ? name : "") && Save();
}

bool IniStore::RemoveSection()
{
    return m_ini.RemoveSection(m_section) && Save();
}

std::vector<std::string> IniStore::Names() const
{
    return m_ini.Keys(m_section);
}

bool IniStore::Save()
{
    if (!m_readable || !m_ini.Parsed())
        return false;
    if (!m_ini.Changed())
        return true;
    QDir().mkpath(QFileInfo(QString::fromStdString(m_file)).absolutePath());
    return FileOps::WriteAtomically(m_file.c_str(), m_ini.Bytes());
}
