#pragma once
// Sets an environment variable for as long as the object lives, then puts back what was there
// (or nothing), so that a test leaves the process as it found it.

#include <QByteArray>
#include <QtGlobal>

class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const char* value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};
