#pragma once
// Up to ten tool bars of the user's own (commands 49134 ... 49143, bar ids 59432 ... 59441):
// a name, an ordered list of commands and whether the buttons show their texts. Kept per
// language in the bars' profile section.

#include "platform/core/CString.h"

#include <memory>
#include <vector>

class CFrameWnd;
class CToolBar;

struct UserToolBarDefinition
{
    CString name;
    std::vector<UINT> commands;
    bool textLabels = false;
};

// A command's short text: its string after the line feed (the whole string without one).
CString CommandShortText(UINT command);

class UserToolBars
{
public:
    static constexpr int kCount = 10;

    explicit UserToolBars(CFrameWnd* frame);
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
    void SetCommands(int index, const std::vector<UINT>& commands, bool textLabels);
    void DeleteAll();

    void Load(const CString& section);
    void Save(const CString& section) const;

private:
    void Build(int index);

    CFrameWnd* m_frame;
    std::unique_ptr<UserToolBarDefinition> m_definitions[kCount];
    std::unique_ptr<CToolBar> m_bars[kCount];
};
