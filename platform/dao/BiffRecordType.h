#pragma once

#include <cstdint>

namespace workbook
{

// BIFF8 record types the engine reads or writes.
namespace biff
{
constexpr std::uint16_t kFormula = 0x0006;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kExternSheet = 0x0017;
constexpr std::uint16_t kName = 0x0018;
constexpr std::uint16_t kDateMode = 0x0022;
constexpr std::uint16_t kFilePass = 0x002F;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kCodePage = 0x0042;
constexpr std::uint16_t kColInfo = 0x007D;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kPalette = 0x0092;
constexpr std::uint16_t kMulRk = 0x00BD;
constexpr std::uint16_t kMulBlank = 0x00BE;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kExtSst = 0x00FF;
constexpr std::uint16_t kSupBook = 0x01AE;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kBoolErr = 0x0205;
constexpr std::uint16_t kString = 0x0207;
constexpr std::uint16_t kRow = 0x0208;
constexpr std::uint16_t kWindow2 = 0x023E;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kFormat = 0x041E;
constexpr std::uint16_t kBof = 0x0809;

constexpr std::uint16_t kBiff8Version = 0x0600;
constexpr std::uint16_t kGlobalsSubstream = 0x0005;
constexpr std::uint16_t kWorksheetSubstream = 0x0010;

// Largest data part of one record; longer data go on in CONTINUE records.
constexpr std::size_t kMaxRecordData = 8224;
} // namespace biff

} // namespace workbook
