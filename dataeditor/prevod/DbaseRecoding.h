#pragma once
// The converter's work on the bytes of a dBASE III table and its memo file: the texts read in
// the code page the table's language-driver byte names (852 when it names none) and written in
// code page 1250, every field keeping its length.

#include <string>
#include <string_view>

namespace DbaseRecoding
{
// The table with its character fields in 1250 and marked as 1250; throws jet::JetError when
// the bytes are no dBASE table.
std::string RecodedTable(std::string_view table);
// The memo file of that table with its texts in 1250 (the code page of the table's bytes).
std::string RecodedMemo(std::string_view table, std::string_view memo);
} // namespace DbaseRecoding
