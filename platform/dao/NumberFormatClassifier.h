#pragma once

#include "platform/dao/Cell.h"

#include <string_view>

namespace workbook
{

// Tells date and currency formats from plain number formats.
class NumberFormatClassifier
{
public:
    // A format built into Excel (no FORMAT record), by its index.
    static NumberFormatKind Builtin(int formatIndex);
    // A format code such as "d.m.yyyy" or "#,##0.00 \"Kč\"".
    static NumberFormatKind FromCode(std::string_view code);
};

} // namespace workbook
