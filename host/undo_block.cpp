// The undo block: a handler's work inside one counted host edit block.
#include "host/undo_block.h"

#include "framework/data/string.h"
#include "host/service_wrappers.h"

bool FCUndoBlock::Execute(__FCUndoBlockHandler* handler, FCString* name)
{
    if (FX_StartFinaleEdit(name->GetCString(), kFinaleInterfaceVersion) == 0) {
        return false;
    }
    bool keep = handler->Execute();
    if (keep) {
        FX_EndFinaleEdit(kFinaleInterfaceVersion);
    } else {
        FX_CancelFinaleEdit(kFinaleInterfaceVersion);
    }
    return keep;
}
