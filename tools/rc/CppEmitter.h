#pragma once
// Writes a ResourceScript as C++ tables for platform/core/Resources.h.
// A program's or library's tables register themselves as built-in resources at start;
// a language pack's table is handed out through its exported function instead.

#include "ResourceScript.h"

#include <ostream>
#include <string>

class CppEmitter
{
public:
    enum class Kind
    {
        BuiltIn,        // of a shared library
        ProgramBuiltIn, // of a program: searched first
        LanguagePack,
    };
    static std::string Emit(const ResourceScript& script, Kind kind);
    // A C++ string literal of UTF-8 text.
    static std::string Literal(const std::string& text);

private:
    // Dialogs, menus, accelerators, tool bars and images as the tables of platform/ui/UiResources.h.
    static void EmitWindowResources(const ResourceScript& script, std::ostream& out);
};
