#pragma once
// Asks the maker's web server for the newest version: an answer file of elements
// "<version>", "<versionText>", "<versionURL>", "<versionURLText>" and "<versionInfo>", shown
// as a message that can open the download address.

#include "platform/core/CString.h"

#include <functional>

class CWnd;

class CVersionCheck
{
public:
    // server: the configured web address (any URL; without a scheme http is taken).
    CVersionCheck(double currentVersion, const CString& server, const CString& path, const CString& caption,
                  const CString& intro, CWnd* owner);

    bool Check(bool downloadFirst);
    bool Download();
    bool GetElement(const CString& key, CString& value) const;

    // Where the editor sends addresses, the version's and the help pages' (the desktop's
    // browser unless a test replaces it; an empty opener restores the browser).
    static void SetUrlOpener(std::function<void(const CString&)> opener);
    static void OpenUrl(const CString& url);

    bool reportErrors = true;
    CString content;

private:
    void ShowError(const CString& message) const;

    double m_currentVersion;
    CString m_server;
    CString m_path;
    CString m_caption;
    CString m_intro;
    CWnd* m_owner;
};
