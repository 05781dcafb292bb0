// kalvenrod-rc: compiles resource scripts into C++ tables.
//   kalvenrod-rc [--pack|--program] -o out.cpp [-d out.d] [-I folder]... script.rc...
// --pack makes a language pack's table (handed out by name) instead of built-in resources;
// --program marks a program's own resources, searched before its libraries'.

#include "CppEmitter.h"
#include "RcLexer.h"
#include "RcParser.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace
{
int Usage()
{
    std::cerr << "usage: kalvenrod-rc [--pack|--program] -o out.cpp [-d out.d] [-I folder]... script.rc...\n";
    return 2;
}

// Writes only when the contents change, so that an unchanged table is not rebuilt.
bool WriteIfChanged(const std::string& path, const std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream old;
    old << in.rdbuf();
    if (in && old.str() == text)
        return true;
    std::ofstream out(path, std::ios::binary);
    out << text;
    return bool(out);
}
} // namespace

int main(int argc, char** argv)
{
    std::string output, depfile;
    std::vector<std::string> includes, scripts;
    CppEmitter::Kind kind = CppEmitter::Kind::BuiltIn;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg == "--pack")
            kind = CppEmitter::Kind::LanguagePack;
        else if (arg == "--program")
            kind = CppEmitter::Kind::ProgramBuiltIn;
        else if ((arg == "-o" || arg == "-d" || arg == "-I") && i + 1 < argc)
            (arg == "-o" ? output : arg == "-d" ? depfile : includes.emplace_back()) = argv[++i];
        else if (!arg.empty() && arg[0] != '-')
            scripts.push_back(arg);
        else
            return Usage();
    }
    if (output.empty() || scripts.empty())
        return Usage();
    try
    {
        ResourceScript script;
        RcLexer lexer(includes);
        for (const std::string& path : scripts)
        {
            const std::vector<RcToken> tokens = lexer.Read(path);
            RcParser(tokens, lexer.Symbols(), script).Parse();
        }
        if (!WriteIfChanged(output, CppEmitter::Emit(script, kind)))
        {
            std::cerr << output << ": cannot write\n";
            return 1;
        }
        if (!depfile.empty())
        {
            std::ofstream dep(depfile);
            dep << output << ":";
            for (const std::string& file : lexer.Files())
                dep << " \\\n  " << file;
            for (const auto& [id, image] : script.images)
                dep << " \\\n  " << image.path;
            dep << "\n";
        }
    }
    catch (const RcError& e)
    {
        std::cerr << e.what() << "\n";
        return 1;
    }
    catch (const std::exception& e)
    {
        std::cerr << scripts.front() << ":0: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
