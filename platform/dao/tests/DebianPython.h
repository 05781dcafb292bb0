#pragma once

#include <QProcess>
#include <QStringList>

#include <string>
#include <unistd.h>

// Debian's own python3 (the one with python3-xlrd and python3-xlwt), found on the
// system's default path as `command -v -p python3` does.
inline QString DebianPython()
{
    char buffer[256] = {};
    confstr(_CS_PATH, buffer, sizeof buffer);
    for (const QString& dir : QString::fromLatin1(buffer).split(':'))
    {
        const QString candidate = dir + "/python3";
        if (::access(candidate.toLocal8Bit().constData(), X_OK) == 0)
            return candidate;
    }
    return "/usr/bin/python3";
}

// Runs a Python script with arguments; returns its standard output (UTF-8) or throws with its errors.
inline std::string RunPython(const QString& script, const QStringList& args = {})
{
    QProcess process;
    process.start(DebianPython(), QStringList{"-c", script} + args);
    if (!process.waitForFinished(60000))
    {
        process.kill();
        process.waitForFinished(5000);
        throw std::runtime_error("python3 did not finish");
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("python3 failed: " + process.readAllStandardError().toStdString());
    return process.readAllStandardOutput().toStdString();
}
