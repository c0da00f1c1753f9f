// The edit journal of the workbench's documents.
#include "workbench/edit_journal.h"

namespace workbench {
namespace {

void PutBack(Document* document, const RecordImages& images)
{
    for (const auto& [id, bytes] : images) {
        document->records.Restore(id, bytes ? &*bytes : nullptr);
    }
}

// Only the records whose bytes differ now: saving what was there is no change.
RecordImages RealChanges(const Document* document, const RecordImages& images)
{
    RecordImages changed;
    for (const auto& [id, bytes] : images) {
        const Bytes* now = document->records.Find(id.tag, id.key);
        bool same = bytes ? now != nullptr && *now == *bytes : now == nullptr;
        if (!same) {
            changed.emplace(id, bytes);
        }
    }
    return changed;
}

}  // namespace

void EditJournal::Start(Document* document, const std::string& name)
{
    _blocks.push_back(Block{document, name, {}});
}

EditJournal::Block* EditJournal::Innermost(Document* document)
{
    for (auto block = _blocks.rbegin(); block != _blocks.rend(); ++block) {
        if (block->document == document) {
            return &*block;
        }
    }
    return nullptr;
}

bool EditJournal::End()
{
    if (_blocks.empty()) {
        return false;
    }
    Block closed = std::move(_blocks.back());
    _blocks.pop_back();
    closed.document->endedBlocks.push_back(closed.name);
    if (Block* enclosing = Innermost(closed.document)) {
        // The enclosing block's older image of a record wins.
        enclosing->before.insert(closed.before.begin(), closed.before.end());
        return true;
    }
    RecordImages changes = RealChanges(closed.document, closed.before);
    if (!changes.empty()) {
        closed.document->changed = true;
        closed.document->undoSteps.push_back(UndoStep{closed.name, std::move(changes)});
    }
    return true;
}

bool EditJournal::Cancel()
{
    if (_blocks.empty()) {
        return false;
    }
    Block cancelled = std::move(_blocks.back());
    _blocks.pop_back();
    PutBack(cancelled.document, cancelled.before);
    cancelled.document->cancelledBlocks.push_back(cancelled.name);
    return true;
}

void EditJournal::Changing(Document* document, const RecordId& id, const Bytes* before)
{
    Block* block = Innermost(document);
    if (block == nullptr) {
        // A change outside any block cannot be undone, but it is a change.
        document->changed = true;
        return;
    }
    if (block->before.count(id) == 0) {
        block->before.emplace(id, before ? std::optional<Bytes>(*before) : std::nullopt);
    }
}

bool EditJournal::Undo(Document* document)
{
    if (document == nullptr || document->undoSteps.empty() || Innermost(document) != nullptr) {
        return false;
    }
    PutBack(document, document->undoSteps.back().before);
    document->undoSteps.pop_back();
    return true;
}

}  // namespace workbench
