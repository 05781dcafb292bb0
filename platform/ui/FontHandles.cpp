#include "platform/ui/FontHandles.h"

#include <QFont>

#include <list>

namespace
{
FontHandles::HandleOfObject g_handleOf = nullptr;
FontHandles::ObjectOfHandle g_objectOf = nullptr;
} // namespace

QFont FontHandles::ToQFont(HFONT hFont)
{
    return hFont ? *reinterpret_cast<const QFont*>(hFont) : QFont();
}

HFONT FontHandles::Intern(const QFont& font)
{
    static std::list<QFont> fonts;
    for (QFont& f : fonts)
        if (f == font)
            return reinterpret_cast<HFONT>(&f);
    fonts.push_back(font);
    return reinterpret_cast<HFONT>(&fonts.back());
}

void FontHandles::SetObjectMapping(HandleOfObject handleOf, ObjectOfHandle objectOf)
{
    g_handleOf = handleOf;
    g_objectOf = objectOf;
}

HFONT FontHandles::HandleOf(CFont* font)
{
    return font && g_handleOf ? g_handleOf(font) : nullptr;
}
CFont* FontHandles::ObjectOf(HFONT hFont)
{
    return hFont && g_objectOf ? g_objectOf(hFont) : nullptr;
}
