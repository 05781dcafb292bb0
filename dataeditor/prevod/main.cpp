// Prevod: converts the texts of a dBASE III table to code page 1250.
//
//   Prevod -uL <input.dbf> <output.dbf>
//
// The character fields and the memo texts (<input>.dbt, written as <output>.dbt) are read in
// the code page that the table's language-driver byte names (852 when it names none) and
// written in 1250; the output is marked as 1250. Exit code 0 on success.
#include "dataeditor/prevod/DbaseRecoding.h"
#include "platform/dao/JetError.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace
{
bool ReadFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

std::string MemoPath(const std::string& table)
{
    const std::size_t dot = table.find_last_of('.');
    return (dot == std::string::npos ? table : table.substr(0, dot)) + ".dbt";
}

int Convert(const std::string& input, const std::string& output)
{
    std::string table;
    if (!ReadFile(input, table))
        return 2;
    const std::string recoded = DbaseRecoding::RecodedTable(table);
    std::string memo;
    if (ReadFile(MemoPath(input), memo) && !WriteFile(MemoPath(output), DbaseRecoding::RecodedMemo(table, memo)))
        return 3;
    return WriteFile(output, recoded) ? 0 : 3;
}
} // namespace

int main(int argc, char** argv)
{
    std::string input, output;
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument.size() > 1 && argument[0] == '-')
            continue; // switches: -uL is the only kind there is
        if (input.empty())
            input = argument;
        else if (output.empty())
            output = argument;
    }
    if (input.empty() || output.empty())
    {
        std::fprintf(stderr, "Použití: Prevod -uL vstup.dbf výstup.dbf\n");
        return 1;
    }
    try
    {
        return Convert(input, output);
    }
    catch (const jet::JetError& error)
    {
        std::fprintf(stderr, "%s\n", error.what());
        return 4;
    }
}
