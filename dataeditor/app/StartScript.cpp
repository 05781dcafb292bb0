#include "dataeditor/app/StartScript.h"

#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/dao/CodePage.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <string>
#include <vector>

namespace
{
struct ScriptText
{
    std::vector<std::string> lines;
    bool utf8 = true;
};

bool ReadScript(const CString& path, ScriptText& script)
{
    QFile file(QString::fromUtf8(LPCTSTR(path)));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const std::string raw(bytes.constData(), std::size_t(bytes.size()));
    script.utf8 = CodePage::IsUtf8(raw);
    const std::string text = script.utf8 ? raw : CodePage::ToUtf8(raw, "CP1250");
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        script.lines.push_back(line);
        start = end + 1;
    }
    return true;
}

// The value of a line that carries the tag (the tag removed); false when it does not.
bool TakeTag(const std::string& line, const char* tag, std::string& value)
{
    const std::size_t at = line.find(tag);
    if (at == std::string::npos)
        return false;
    value = line;
    value.erase(at, std::char_traits<char>::length(tag));
    return true;
}

int IntegerOf(const std::string& value) { return NumberText::ToInt(value); }

void ReplaceAll(std::string& text, const std::string& what, const std::string& with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}
} // namespace

StartScript::StartScript(const CString& programFolder, const CString& dataFolder)
    : m_programFolder(programFolder), m_dataFolder(dataFolder)
{
}

void StartScript::Run(const CString& language)
{
    const CString path = m_programFolder + "Start-" + language + ".ini";
    ScriptText script;
    if (!ReadScript(path, script) || script.lines.empty())
        return;
    if (script.lines.front().find("<Include>") == std::string::npos)
    {
        RunFile(path);
        return;
    }
    for (std::size_t i = 1; i < script.lines.size(); ++i)
        if (!script.lines[i].empty())
            RunFile(m_programFolder + script.lines[i].c_str());
}

void StartScript::RunFile(const CString& path)
{
    ScriptText script;
    if (!ReadScript(path, script))
        return;
    static const char* const tags[8] = {"<Run>",    "<RunOnce>",           "<WaitForExit>", "<Dialog>",
                                        "<DialogMessage>", "<DialogButtonsYesNo>", "<AppPath>", "<AppCommandLine>"};
    std::string values[8];
    for (int i = 0; i < 8; ++i)
    {
        if (std::size_t(i) >= script.lines.size() || !TakeTag(script.lines[std::size_t(i)], tags[i], values[i]))
            return;
        if (i == 0 && IntegerOf(values[0]) == 0)
            return;
    }
    const bool runOnce = IntegerOf(values[1]) != 0;
    const bool waitForExit = IntegerOf(values[2]) != 0;
    const bool dialog = IntegerOf(values[3]) != 0;
    const bool yesNo = IntegerOf(values[5]) != 0;

    if (runOnce)
    {
        std::string normal = std::string(tags[0]) + "0\n";
        for (int i = 1; i < 8; ++i)
        {
            const bool isText = i == 4 || i == 6 || i == 7;
            normal += std::string(tags[i]) + (isText ? values[i] : (IntegerOf(values[i]) ? "1" : "0")) + "\n";
        }
        const std::string bytes = script.utf8 ? normal : CodePage::FromUtf8(normal, "CP1250");
        QFile file(QString::fromUtf8(LPCTSTR(path)));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes.data(), qint64(bytes.size()));
    }

    const CString command = ExpandVariables(CString(values[6].c_str()) + " " + values[7].c_str());
    if (dialog)
    {
        std::string message = values[4];
        ReplaceAll(message, "\\n", "\n");
        const UINT type = (yesNo ? MB_YESNO : MB_OK) | MB_ICONINFORMATION;
        const int answer = AfxMessageBox(message.c_str(), type);
        if (answer != (yesNo ? IDYES : IDOK))
            return;
    }
    Start(command, waitForExit);
}

CString StartScript::ExpandVariables(CString command) const
{
    std::string text(command);
    ReplaceAll(text, "%TALMO_APP_PATH%", std::string(m_programFolder));
    ReplaceAll(text, "%TALMO_DATA_PATH%", std::string(m_dataFolder));
    return CString(text.c_str());
}

void StartScript::Start(const CString& command, bool waitForExit) const
{
    QStringList arguments = QProcess::splitCommand(QString::fromUtf8(LPCTSTR(command)));
    if (arguments.isEmpty())
        return;
    const QString program = arguments.takeFirst();
    if (!waitForExit)
    {
        QProcess::startDetached(program, arguments);
        return;
    }
    QProcess process;
    process.start(program, arguments);
    if (process.waitForStarted())
        process.waitForFinished(-1);
}
