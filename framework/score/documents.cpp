// The open documents, and the walk that makes each current inside an edit
// block of its own and puts the previous one back.
#include "framework/score/documents.h"

#include "framework/data/string.h"
#include "host/service_wrappers.h"

void FCDocument::GetPath(FCString* path) const
{
    FinPathSpec2009 record = {};
    FX_GetDocumentPath(_number, &record, kFinaleInterfaceVersion);
    path->MakeFullFilePath(&record);
}

void FCDocuments::LoadAll()
{
    ClearAll();
    short last = 0;
    for (;;) {
        short next = static_cast<short>(FX_GetNextEnigmaDocument(last, kFinaleInterfaceVersion));
        if (next == 0) {
            return;
        }
        // -1 stands for the current document.
        short number = next == -1 ? static_cast<short>(FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion)) : next;
        // A host that names a document twice would otherwise be asked forever.
        for (int i = 0; i < GetCount(); ++i) {
            if (GetItemAt(i)->_number == number) {
                return;
            }
        }
        Add(new FCDocument(number));
        last = next;
    }
}

int FCDocuments::ForEachWithScope(FCIteratorHandler* handler, const char* undoText)
{
    int visited = 0;
    // The count is read again each round: a handler may add documents.
    for (int i = 0; i < GetCount(); ++i) {
        FCDocument* document = GetItemAt(i);
        if (document == nullptr) {
            continue;
        }
        document->_savedNumber = static_cast<short>(FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion));
        FX_SetCurrentEnigmaDocument(document->_number, kFinaleInterfaceVersion);
        bool opened = FX_StartFinaleEdit(undoText == nullptr ? "Plug-in Edit" : undoText, kFinaleInterfaceVersion) != 0;
        bool goOn = handler->Iterate(document);
        // Ending a block the host refused would end an enclosing one instead.
        if (opened) {
            FX_EndFinaleEdit(kFinaleInterfaceVersion);
        }
        FX_SetCurrentEnigmaDocument(document->_savedNumber, kFinaleInterfaceVersion);
        document->_savedNumber = 0;
        if (!goOn) {
            break;
        }
        ++visited;
    }
    return visited;
}
