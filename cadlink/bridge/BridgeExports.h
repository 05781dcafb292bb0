#pragma once
// The 13 exports of a CAD bridge module, as the CAD buttons call them: C functions, 32-bit
// integers, a 32-bit colour (red in the low byte), UTF-8 texts; a VARIANT result belongs to the
// caller, who frees it with VariantClear.

#include "platform/core/Variant.h"

#include <cstdint>

extern "C"
{
using PoStiskuStartFn = std::int32_t (*)(const char* path, std::int32_t flag);
using PoStiskuKonecFn = std::int32_t (*)();
using PoStiskuPovelFn = std::int32_t (*)(const char* command);
using PoStiskuDosadFn = std::int32_t (*)(const char* name, VARIANT* value);
using PoStiskuNactiFn = VARIANT (*)(const char* name);
using PoStiskuNajdiFn = VARIANT (*)(const char* name, const char* second);
using PoStiskuPocetFn = std::int32_t (*)();
using PoStiskuAtribFn = VARIANT (*)();
using PoStiskuVzdalFn = double (*)();
using PoStisku2BodyFn = VARIANT (*)();
using PoStiskuObrysFn = VARIANT (*)(std::int32_t draw, double width, std::int32_t reserve, std::uint32_t colour);
using PoStiskuPointFn = VARIANT (*)();
using PoStiskuUtvorFn = VARIANT (*)();
}
