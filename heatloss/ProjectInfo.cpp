#include "heatloss/ProjectInfo.h"

#include "heatloss/ProjectHeader.h"

void ProjectInfo::ApplyTo(ProjectHeader& header) const
{
    const std::pair<const std::optional<CString>*, CString*> fields[] = {
        {&building1, &header.building1},   {&building2, &header.building2},
        {&author, &header.author},         {&investor1, &header.investor1},
        {&investor2, &header.investor2},   {&orderNumber, &header.orderNumber},
        {&archiveNumber, &header.archiveNumber}, {&note, &header.note},
    };
    for (const auto& [value, field] : fields)
        if (*value)
            *field = **value;
}
