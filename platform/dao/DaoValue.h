#pragma once

#include "platform/core/COleVariant.h"
#include "platform/dao/JetValue.h"

// Engine values and variants: a value of a field of that DAO type as a variant, and back.
COleVariant VariantOfValue(const jet::Value& value, int fieldType);
// Throws a database error (3464) for variant types no field can hold.
jet::Value ValueOfVariant(const VARIANT& variant);
