// The parts of the current document, and the walk that makes each the
// host's current part and puts the previous one back.
#include "framework/score/parts.h"

#include "host/finale_version.h"
#include "host/service_wrappers.h"

namespace {
// Hosts before this version answer FX_GetPartName wrongly.
constexpr unsigned long kPartNamesFrom = 0x11000000;
}  // namespace

bool FCPart::IsIdentical(const __FCBase* other) const
{
    auto* part = dynamic_cast<const FCPart*>(other);
    return part != nullptr && part->_id == _id && part->_document == _document;
}

FCString* FCPart::GetName()
{
    if (GetFinaleFrameworkVersion() < kPartNamesFrom) {
        _name.SetCString("Not available (due to a bug)");
        return &_name;
    }
    // SetCString takes a null text as empty, should the host answer none.
    _name.SetCString(FX_GetPartName(_id, kFinaleInterfaceVersion));
    return &_name;
}

void FCParts::LoadAll()
{
    ClearAll();
    short document = static_cast<short>(FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion));
    short id = 0;
    do {
        Add(new FCPart(id, document));
        id = static_cast<short>(FX_GetNextPartID(id, kFinaleInterfaceVersion));
        // A host that names a part twice would otherwise be asked forever.
        for (int i = 0; id != -1 && i < GetCount(); ++i) {
            if (GetItemAt(i)->_id == id) {
                id = -1;
            }
        }
    } while (id != -1);
}

int FCParts::ForEachWithScope(FCIteratorHandler* handler)
{
    if (!handler->PreProcess()) {
        return 0;
    }
    int visited = 0;
    // The count is read again each round: a handler may add parts.
    for (int i = 0; i < GetCount(); ++i) {
        FCPart* part = GetItemAt(i);
        if (part == nullptr) {
            continue;
        }
        if (part->_document == FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion) && part->_savedID == -1) {
            part->_savedID = static_cast<short>(FX_GetCurrentPartID(kFinaleInterfaceVersion));
            FX_SetCurrentPartID(part->_id, kFinaleInterfaceVersion);
        }
        bool goOn = handler->Iterate(part);
        if (part->_savedID != -1 && part->_document == FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion)) {
            FX_SetCurrentPartID(part->_savedID, kFinaleInterfaceVersion);
            part->_savedID = -1;
        }
        if (!goOn) {
            break;
        }
        ++visited;
    }
    handler->PostProcess();
    return visited;
}

FCPart* FCParts::GetCurrent() const
{
    short id = static_cast<short>(FX_GetCurrentPartID(kFinaleInterfaceVersion));
    short document = static_cast<short>(FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion));
    for (int i = 0; i < GetCount(); ++i) {
        FCPart* part = GetItemAt(i);
        if (part != nullptr && part->_id == id && part->_document == document) {
            return part;
        }
    }
    return nullptr;
}

FCPart* FCParts::GetScore() const
{
    for (int i = 0; i < GetCount(); ++i) {
        FCPart* part = GetItemAt(i);
        if (part != nullptr && part->_id == 0) {
            return part;
        }
    }
    return nullptr;
}
