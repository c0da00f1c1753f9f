// The score and the linked parts of a document.
#include "workbench/linked_parts.h"

namespace workbench {

const char kScoreName[] = "Score";

const char* PartName(const Document& document, int id)
{
    if (id == 0) {
        return kScoreName;
    }
    for (const LinkedPart& part : document.parts) {
        if (part.id == id) {
            return part.name.c_str();
        }
    }
    return nullptr;
}

int NextPartID(const Document& document, int id)
{
    const std::vector<LinkedPart>& parts = document.parts;
    if (id == 0) {
        return parts.empty() ? -1 : parts.front().id;
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].id == id) {
            return i + 1 < parts.size() ? parts[i + 1].id : -1;
        }
    }
    return -1;
}

bool SetCurrentPart(Document& document, int id)
{
    if (PartName(document, id) == nullptr) {
        return false;
    }
    document.currentPart = id;
    return true;
}

}  // namespace workbench
