#include "platform/core/IniStore.h"

#include <QDir>
#include <QFileInfo>

IniStore::IniStore(const std::string& file, const std::string& section)
    : m_settings(std::make_unique<QSettings>(QString::fromStdString(file), QSettings::IniFormat)),
      m_section(QString::fromStdString(section))
{
    if (!m_section.isEmpty())
        m_settings->beginGroup(m_section);
}

bool IniStore::Exists() const
{
    if (!QFileInfo::exists(m_settings->fileName()))
        return false;
    return m_section.isEmpty() || !m_settings->childKeys().isEmpty() || !m_settings->childGroups().isEmpty();
}

bool IniStore::Has(const char* name) const
{
    return m_settings->contains(QString::fromUtf8(name ? name : ""));
}

std::string IniStore::Get(const char* name) const
{
    const QVariant value = m_settings->value(QString::fromUtf8(name ? name : ""));
    // Text with commas that someone wrote by hand reads back as a list.
    const QString text = value.typeId() == QMetaType::QStringList
                             ? value.toStringList().join(QStringLiteral(", "))
                             : value.toString();
    return text.toStdString();
}

bool IniStore::Set(const char* name, const std::string& value)
{
    QDir().mkpath(QFileInfo(m_settings->fileName()).absolutePath());
    m_settings->setValue(QString::fromUtf8(name ? name : ""), QString::fromStdString(value));
    return Sync();
}

bool IniStore::Remove(const char* name)
{
    m_settings->remove(QString::fromUtf8(name ? name : ""));
    return Sync();
}

bool IniStore::RemoveSection()
{
    m_settings->remove(QString());
    return Sync();
}

QStringList IniStore::Names() const
{
    return m_settings->childKeys();
}

bool IniStore::Sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
