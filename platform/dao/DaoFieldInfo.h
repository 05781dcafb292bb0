#pragma once

#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/JetField.h"

// The DAO description of an engine field.
CDaoFieldInfo FieldInfoOf(const jet::Field& field, int position);
