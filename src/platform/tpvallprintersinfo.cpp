#include "platform/tpvallprintersinfo.h"

TPvAllPrintersInfo::TPvAllPrintersInfo(rova::print::PrintSystem& system) : m_entries(system.destinations()) {}

bool TPvAllPrintersInfo::IsEqual(const TPvAllPrintersInfo& other) const
{
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i) {
        if (GetName(i) != other.GetName(i) || IsHidden(i) != other.IsHidden(i))
            return false;
    }
    return true;
}
