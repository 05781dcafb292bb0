#include "dataeditor/app/CVersionCheck.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WaitCursor.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace
{
constexpr int kRequestLimitMs = 15000;

void OpenInBrowser(const CString& url) { QDesktopServices::openUrl(QUrl(QString::fromUtf8(LPCTSTR(url)))); }

std::function<void(const CString&)>& UrlOpener()
{
    static std::function<void(const CString&)> opener = OpenInBrowser;
    return opener;
}

QUrl RequestUrl(const CString& server, const CString& path)
{
    QString base = QString::fromUtf8(LPCTSTR(server)).trimmed();
    if (!base.contains(QStringLiteral("://")))
        base.prepend(QStringLiteral("http://"));
    if (!base.endsWith(u'/'))
        base += u'/';
    return QUrl(base).resolved(QUrl(QString::fromUtf8(LPCTSTR(path))));
}
} // namespace

CVersionCheck::CVersionCheck(double currentVersion, const CString& server, const CString& path,
                             const CString& caption, const CString& intro, CWnd* owner)
    : m_currentVersion(currentVersion), m_server(server), m_path(path), m_caption(caption), m_intro(intro),
      m_owner(owner)
{
}

void CVersionCheck::SetUrlOpener(std::function<void(const CString&)> opener)
{
    UrlOpener() = opener ? std::move(opener) : OpenInBrowser;
}

void CVersionCheck::OpenUrl(const CString& url) { UrlOpener()(url); }

void CVersionCheck::ShowError(const CString& message) const
{
    if (!reportErrors)
        return;
    const CString text = m_intro.IsEmpty() ? message : m_intro + "\n\n" + message;
    MessageBox(m_owner ? m_owner->GetSafeHwnd() : nullptr, text, m_caption, MB_OK | MB_ICONERROR);
}

bool CVersionCheck::Download()
{
    content.Empty();
    const QUrl url = RequestUrl(m_server, m_path);
    if (!url.isValid() || url.host().isEmpty())
    {
        CString message;
        message.Format(LanguageText(IDS_VERSION_NET_ERROR), LPCTSTR(m_server), LPCTSTR(m_path));
        ShowError(message);
        return false;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(kRequestLimitMs);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kRequestLimitMs + 1000, &loop, [reply] { reply->abort(); });
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool transportError = reply->error() != QNetworkReply::NoError && status == 0;
    bool ok = false;
    if (transportError)
    {
        CString message;
        message.Format(LanguageText(IDS_VERSION_NET_ERROR), LPCTSTR(m_server), LPCTSTR(m_path));
        const QString detail = reply->errorString().left(259);
        if (!detail.isEmpty())
            message += "\n" + CString(detail.toUtf8().constData());
        ShowError(message);
    }
    else if (status != 200)
    {
        CString message;
        message.Format(LanguageText(IDS_VERSION_HTTP_ERROR), LPCTSTR(m_server), LPCTSTR(m_path));
        ShowError(message);
    }
    else
    {
        content = CString(reply->readAll().constData());
        ok = true;
    }
    reply->deleteLater();
    return ok;
}

bool CVersionCheck::GetElement(const CString& key, CString& value) const
{
    if (content.IsEmpty() || key.IsEmpty())
        return false;
    const int open = content.Find("<" + key + ">");
    const int close = content.Find("</" + key + ">");
    if (open < 0 || close < 0)
        return false;
    const int start = open + key.GetLength() + 2;
    if (close - start < 1)
        return false;
    value = content.Mid(start, close - start);
    return true;
}

bool CVersionCheck::Check(bool downloadFirst)
{
    CWaitCursor wait;
    if (downloadFirst)
        Download();
    if (content.IsEmpty())
        return false;
    CString version, versionText, versionUrl, versionUrlText, versionInfo;
    if (!GetElement("version", version) || !GetElement("versionText", versionText) ||
        !GetElement("versionURL", versionUrl) || !GetElement("versionURLText", versionUrlText) ||
        !GetElement("versionInfo", versionInfo))
        return false;
    const double newest = NumberText::ToDoubleC(std::string(version));
    CString message;
    if (newest > m_currentVersion)
        message.Format(LanguageText(IDS_VERSION_NEWER), LPCTSTR(versionText), LPCTSTR(versionInfo),
                       LPCTSTR(versionUrlText));
    else
        message.Format(LanguageText(IDS_VERSION_CURRENT), LPCTSTR(versionUrlText));
    if (!m_intro.IsEmpty())
        message = m_intro + "\n\n" + message;
    const HWND owner = m_owner ? m_owner->GetSafeHwnd() : nullptr;
    if (!versionUrl.IsEmpty())
    {
        if (MessageBox(owner, message, m_caption, MB_YESNO | MB_ICONQUESTION) == IDYES)
            UrlOpener()(versionUrl);
    }
    else
        MessageBox(owner, message, m_caption, MB_OK | MB_ICONINFORMATION);
    return true;
}
