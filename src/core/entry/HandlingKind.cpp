#include "core/entry/HandlingKind.h"

#include "core/entry/EntryLists.h"
#include "core/text/StrictInteger.h"

namespace tarvo {

void HandlingKind::recompute(std::string_view cp932HandlingText)
{
    const auto& handlings = entryLists().handlings;
    for (size_t i = 0; i < handlings.size(); ++i) {
        if (handlings[i] == cp932HandlingText)
            m_text = std::to_string(i + 1);
    }
}

DocumentClass HandlingKind::documentClass() const
{
    return documentClassOf(toInt32(m_text));
}

DocumentClass documentClassOf(int handlingKind)
{
    switch (handlingKind) {
    case 3:
        return DocumentClass::SharewareRequired;
    case 4:
    case 5:
    case 8:
    case 9:
    case 10:
        return DocumentClass::SharewareOptional;
    default:
        return DocumentClass::NoSharewareSection;
    }
}

} // namespace tarvo
