#include "platform/dao/DaoFieldInfo.h"

#include "platform/dao/DaoConstants.h"

CDaoFieldInfo FieldInfoOf(const jet::Field& field, int position)
{
    CDaoFieldInfo info;
    info.m_strName = field.name;
    info.m_strSourceField = field.head ? *field.head : field.name;
    info.m_nType = static_cast<short>(field.type);
    info.m_lSize = field.size;
    info.m_lAttributes = dbUpdatableField | (jet::IsTextType(field.type) ? dbVariableField : dbFixedField);
    info.m_nOrdinalPosition = static_cast<short>(position);
    return info;
}
