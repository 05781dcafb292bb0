#pragma once
// Up to ten tool bars of the user's own (commands 49134 ... 49143, bar ids 59432 ... 59441):
// a name, an ordered list of commands and whether the buttons show their texts. Kept per
// language in the bars' profile section.

#include "platform/core/CString.h"

#include <QIcon>
#include <QImage>

#include <memory>
#include <vector>

class CFrameWnd;
class CToolBar;

struct UserToolBarDefinition
{
    CString name;
    std::vector<UINT> commands;
    // For each command: the index of its picture among the user's pictures ("_User.bmp"), or -1
    // for the command's own picture of the main or editing bar; without either the button
    // shows its text.
    std::vector<int> images;
    bool textLabels = false;
};

// A command's short text: its string after the line feed (the whole string without one).
CString CommandShortText(UINT command);

class UserToolBars
{
public:
    static constexpr int kCount = 10;

    // The user's pictures are a strip of 16-pixel pictures; the standard bars lend their
    // commands' pictures.
    UserToolBars(CFrameWnd* frame, const QImage& userImages, std::vector<const CToolBar*> standardBars);
    ~UserToolBars();

    bool Exists(int index) const;
    bool IsVisible(int index) const;
    void Toggle(int index);
    CString Name(int index) const;
    const UserToolBarDefinition* Definition(int index) const;
    // The first free slot, -1 when all ten exist.
    int Create(const CString& name);
    void Rename(int index, const CString& name);
    void Delete(int index);
    // images: one entry a command (missing entries are -1).
    void SetCommands(int index, const std::vector<UINT>& commands, bool textLabels, std::vector<int> images = {});
    int UserImageCount() const;
    QIcon UserImage(int image) const;
    // The picture a button of that command shows.
    QIcon ButtonPicture(UINT command, int image) const;
    void DeleteAll();

    void Load(const CString& section);
    void Save(const CString& section) const;

private:
    void Build(int index);

    CFrameWnd* m_frame;
    QImage m_userImages;
    std::vector<const CToolBar*> m_standardBars;
    std::unique_ptr<UserToolBarDefinition> m_definitions[kCount];
    std::unique_ptr<CToolBar> m_bars[kCount];
};
