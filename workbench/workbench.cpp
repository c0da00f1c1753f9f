// The workbench host's documents, the current one and the service log.
#include "workbench/workbench.h"

namespace workbench {

Workbench& Workbench::Instance()
{
    static Workbench instance;
    return instance;
}

Document& Workbench::Open(std::unique_ptr<Document> document)
{
    int number = 1;
    for (const auto& open : _documents) {
        if (open->number >= number) {
            number = open->number + 1;
        }
    }
    document->number = number;
    Document* opened = document.get();
    opened->records.SetChangeObserver([this, opened](const RecordId& id, const Bytes* before) {
        journal.Changing(opened, id, before);
    });
    _documents.push_back(std::move(document));
    _current = number;
    return *_documents.back();
}

void Workbench::CloseAll()
{
    journal.Clear();
    clips.clear();
    _documents.clear();
    _current = 0;
}

Document* Workbench::Find(int number)
{
    for (const auto& document : _documents) {
        if (document->number == number) {
            return document.get();
        }
    }
    return nullptr;
}

Document* Workbench::Current()
{
    return Find(_current);
}

bool Workbench::SetCurrent(int number)
{
    if (Find(number) == nullptr) {
        return false;
    }
    _current = number;
    return true;
}

}  // namespace workbench
