#include "platform/ui/FontHandles.h"

#include "platform/gdi/CFont.h"
#include "platform/gdi/FontMapping.h"

#include <QFont>

#include <cstring>
#include <list>
#include <memory>

// Every HFONT is a font object of the drawing layer (platform/gdi): the same handle works for
// windows (WM_SETFONT, WM_GETFONT) and for device contexts (SelectObject, GetObject).

namespace
{
FontHandles::HandleOfObject g_handleOf = nullptr;
FontHandles::ObjectOfHandle g_objectOf = nullptr;
} // namespace

QFont FontHandles::ToQFont(HFONT hFont)
{
    return hFont ? Gdi::QFontFromHandle(hFont) : QFont();
}

HFONT FontHandles::Intern(const QFont& font)
{
    static std::list<std::unique_ptr<CFont>> fonts;
    const LOGFONT wanted = Gdi::LogFontFromQFont(font);
    for (const auto& f : fonts)
    {
        LOGFONT lf;
        f->GetLogFont(&lf);
        if (std::memcmp(&lf, &wanted, sizeof lf) == 0)
            return *f;
    }
    auto f = std::make_unique<CFont>();
    f->CreateFontIndirect(&wanted);
    fonts.push_back(std::move(f));
    return *fonts.back();
}

void FontHandles::SetObjectMapping(HandleOfObject handleOf, ObjectOfHandle objectOf)
{
    g_handleOf = handleOf;
    g_objectOf = objectOf;
}

HFONT FontHandles::HandleOf(CFont* font)
{
    if (!font)
        return nullptr;
    return g_handleOf ? g_handleOf(font) : static_cast<HFONT>(font->m_hObject);
}

CFont* FontHandles::ObjectOf(HFONT hFont)
{
    if (!hFont)
        return nullptr;
    return g_objectOf ? g_objectOf(hFont) : CFont::FromHandle(hFont);
}
