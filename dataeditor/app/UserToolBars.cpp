#include "dataeditor/app/UserToolBars.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/core/Profile.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CToolBar.h"

#include <QAction>
#include <QStringList>
#include <QToolBar>

CString CommandShortText(UINT command)
{
    CString text;
    text.LoadString(command);
    const int lineFeed = text.Find('\n');
    return lineFeed >= 0 ? text.Mid(lineFeed + 1) : text;
}

namespace
{
constexpr int kPictureWidth = 16;
}

UserToolBars::UserToolBars(CFrameWnd* frame, const QImage& userImages, std::vector<const CToolBar*> standardBars)
    : m_frame(frame), m_userImages(CToolBar::TransparentStrip(userImages)), m_standardBars(std::move(standardBars))
{
}

int UserToolBars::UserImageCount() const { return m_userImages.width() / kPictureWidth; }

QIcon UserToolBars::UserImage(int image) const { return CToolBar::StripPicture(m_userImages, image, kPictureWidth); }

QIcon UserToolBars::ButtonPicture(UINT command, int image) const
{
    if (QIcon own = UserImage(image); !own.isNull())
        return own;
    for (const CToolBar* bar : m_standardBars)
        if (const int at = bar->CommandToIndex(command); at >= 0)
            if (const QAction* action = bar->GetButtonAction(at))
                return action->icon();
    return QIcon();
}

UserToolBars::~UserToolBars() = default;

bool UserToolBars::Exists(int index) const { return index >= 0 && index < kCount && m_definitions[index]; }

bool UserToolBars::IsVisible(int index) const { return Exists(index) && m_bars[index] && m_bars[index]->IsVisible(); }

void UserToolBars::Toggle(int index)
{
    if (Exists(index) && m_bars[index])
        m_frame->ShowControlBar(m_bars[index].get(), !m_bars[index]->IsVisible(), FALSE);
}

CString UserToolBars::Name(int index) const { return Exists(index) ? m_definitions[index]->name : CString(); }

const UserToolBarDefinition* UserToolBars::Definition(int index) const
{
    return Exists(index) ? m_definitions[index].get() : nullptr;
}

int UserToolBars::Create(const CString& name)
{
    for (int i = 0; i < kCount; ++i)
        if (!m_definitions[i])
        {
            m_definitions[i] = std::make_unique<UserToolBarDefinition>();
            m_definitions[i]->name = name;
            Build(i);
            return i;
        }
    return -1;
}

void UserToolBars::Rename(int index, const CString& name)
{
    if (!Exists(index))
        return;
    m_definitions[index]->name = name;
    if (m_bars[index])
        m_bars[index]->SetWindowText(name);
}

void UserToolBars::Delete(int index)
{
    if (!Exists(index))
        return;
    if (m_bars[index])
    {
        m_bars[index]->DestroyWindow();
        m_bars[index].reset();
    }
    m_definitions[index].reset();
}

void UserToolBars::DeleteAll()
{
    for (int i = 0; i < kCount; ++i)
        Delete(i);
}

void UserToolBars::SetCommands(int index, const std::vector<UINT>& commands, bool textLabels, std::vector<int> images)
{
    if (!Exists(index))
        return;
    images.resize(commands.size(), -1);
    m_definitions[index]->commands = commands;
    m_definitions[index]->images = std::move(images);
    m_definitions[index]->textLabels = textLabels;
    Build(index);
}

void UserToolBars::Build(int index)
{
    const UserToolBarDefinition& definition = *m_definitions[index];
    if (!m_bars[index])
    {
        m_bars[index] = std::make_unique<CToolBar>();
        m_bars[index]->CreateEx(m_frame, TBSTYLE_FLAT,
                                WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY,
                                CRect(1, 1, 1, 1), UINT(ID_USER_BAR_FIRST + index));
        m_bars[index]->EnableDocking(CBRS_ALIGN_ANY);
        m_frame->DockControlBar(m_bars[index].get());
    }
    CToolBar& bar = *m_bars[index];
    bar.SetWindowText(definition.name);
    if (auto* widget = qobject_cast<QToolBar*>(bar.GetWidget()))
        widget->setObjectName(QStringLiteral("UserToolBar%1").arg(index));
    bar.SetButtons(definition.commands.data(), int(definition.commands.size()));
    for (int i = 0; i < bar.GetCount(); ++i)
    {
        // A button without a picture shows its command's short text whatever the style.
        bar.SetButtonText(i, CommandShortText(bar.GetItemID(i)));
        if (QAction* action = bar.GetButtonAction(i))
            action->setIcon(ButtonPicture(bar.GetItemID(i), definition.images[std::size_t(i)]));
    }
    if (auto* widget = qobject_cast<QToolBar*>(bar.GetWidget()))
        widget->setToolButtonStyle(definition.textLabels ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
}

void UserToolBars::Load(const CString& section)
{
    DeleteAll();
    for (int i = 0; i < kCount; ++i)
    {
        CString key;
        key.Format("UserBar%d", i);
        const QString stored = QString::fromUtf8(LPCTSTR(Profile::GetString(section, key, "")));
        if (stored.isEmpty())
            continue;
        const QStringList parts = stored.split(u'\t');
        if (parts.size() < 3)
            continue;
        m_definitions[i] = std::make_unique<UserToolBarDefinition>();
        m_definitions[i]->name = CString(parts[0].toUtf8().constData());
        m_definitions[i]->textLabels = parts[1] == QStringLiteral("1");
        // Each button is "command" or "command:picture".
        for (const QString& button : parts[2].split(u',', Qt::SkipEmptyParts))
        {
            m_definitions[i]->commands.push_back(button.section(u':', 0, 0).toUInt());
            m_definitions[i]->images.push_back(button.contains(u':') ? button.section(u':', 1).toInt() : -1);
        }
        Build(i);
    }
}

void UserToolBars::Save(const CString& section) const
{
    for (int i = 0; i < kCount; ++i)
    {
        CString key;
        key.Format("UserBar%d", i);
        if (!m_definitions[i])
        {
            Profile::WriteString(section, key, nullptr);
            continue;
        }
        QStringList ids;
        const UserToolBarDefinition& definition = *m_definitions[i];
        for (std::size_t b = 0; b < definition.commands.size(); ++b)
            ids << (definition.images[b] >= 0
                        ? QStringLiteral("%1:%2").arg(definition.commands[b]).arg(definition.images[b])
                        : QString::number(definition.commands[b]));
        const QString stored = QString::fromUtf8(LPCTSTR(m_definitions[i]->name)) + u'\t' +
                               (m_definitions[i]->textLabels ? u'1' : u'0') + u'\t' + ids.join(u',');
        Profile::WriteString(section, key, stored.toUtf8().constData());
    }
}
