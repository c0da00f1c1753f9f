// The document store: records by tag and key, in key order.
#include "workbench/document_store.h"

#include <cstring>

#include "host/record_bytes.h"

namespace workbench {

RecordKey RecordKey::FromNumbers(unsigned a, unsigned b, unsigned c, unsigned d)
{
    RecordKey key;
    key.SetNumber(0, a);
    key.SetNumber(1, b);
    key.SetNumber(2, c);
    key.SetNumber(3, d);
    return key;
}

RecordKey RecordKey::FromMemory(const void* key)
{
    RecordKey result;
    std::memcpy(result.bytes, key, sizeof result.bytes);
    return result;
}

void RecordKey::ToMemory(void* key) const
{
    std::memcpy(key, bytes, sizeof bytes);
}

unsigned RecordKey::Number(int index) const
{
    return ReadU16(bytes, record_key::NumberOffset(index));
}

void RecordKey::SetNumber(int index, unsigned value)
{
    WriteU16(bytes, record_key::NumberOffset(index), value);
}

bool RecordKey::operator<(const RecordKey& other) const
{
    for (int i = 0; i < record_key::kNumbers; ++i) {
        if (Number(i) != other.Number(i)) {
            return Number(i) < other.Number(i);
        }
    }
    return false;
}

bool RecordKey::operator==(const RecordKey& other) const
{
    return std::memcmp(bytes, other.bytes, sizeof bytes) == 0;
}

bool RecordId::operator<(const RecordId& other) const
{
    if (tag != other.tag) {
        return tag < other.tag;
    }
    return key < other.key;
}

const Bytes* DocumentStore::Find(unsigned long tag, const RecordKey& key) const
{
    auto found = _records.find(RecordId{tag, key});
    return found == _records.end() ? nullptr : &found->second;
}

bool DocumentStore::Load(unsigned long tag, const RecordKey& key, void* buffer, long* size) const
{
    const Bytes* record = Find(tag, key);
    if (record == nullptr || size == nullptr) {
        return false;
    }
    if (buffer != nullptr && *size > 0) {
        size_t count = record->size() < static_cast<size_t>(*size) ? record->size() : static_cast<size_t>(*size);
        std::memcpy(buffer, record->data(), count);
    }
    *size = static_cast<long>(record->size());
    return true;
}

bool DocumentStore::Save(unsigned long tag, const RecordKey& key, const void* buffer, long size)
{
    if (size < 0 || (size > 0 && buffer == nullptr)) {
        return false;
    }
    RecordId id{tag, key};
    Changing(id);
    const unsigned char* bytes = static_cast<const unsigned char*>(buffer);
    _records[id] = Bytes(bytes, bytes + size);
    return true;
}

bool DocumentStore::Create(unsigned long tag, RecordKey* key, const void* buffer, long size)
{
    if (key == nullptr) {
        return false;
    }
    for (int index = 0; index < 3; ++index) {
        if (key->Number(index) != 0xFFFF) {
            continue;
        }
        // The records that share the numbers before this one lie together,
        // in the order of this number: the highest below 0xFFFF is found
        // from the end of that run, without walking the others.
        RecordKey last = *key;
        for (int after = index; after < 4; ++after) {
            last.SetNumber(after, 0xFFFF);
        }
        unsigned next = index == 0 ? 1 : 0;
        for (auto at = _records.upper_bound(RecordId{tag, last}); at != _records.begin();) {
            --at;
            bool same_prefix = at->first.tag == tag;
            for (int before = 0; before < index; ++before) {
                same_prefix = same_prefix && at->first.key.Number(before) == key->Number(before);
            }
            if (!same_prefix) {
                break;
            }
            unsigned number = at->first.key.Number(index);
            if (number != 0xFFFF) {
                next = number + 1 > next ? number + 1 : next;
                break;
            }
        }
        if (next >= 0xFFFF) {
            return false;
        }
        key->SetNumber(index, next);
    }
    return Save(tag, *key, buffer, size);
}

bool DocumentStore::Delete(unsigned long tag, const RecordKey& key)
{
    RecordId id{tag, key};
    if (_records.find(id) == _records.end()) {
        return false;
    }
    Changing(id);
    _records.erase(id);
    return true;
}

bool DocumentStore::Next(unsigned long tag, RecordKey* key) const
{
    auto next = _records.upper_bound(RecordId{tag, *key});
    if (next == _records.end() || next->first.tag != tag) {
        return false;
    }
    *key = next->first.key;
    return true;
}

bool DocumentStore::Previous(unsigned long tag, RecordKey* key) const
{
    auto at = _records.lower_bound(RecordId{tag, *key});
    if (at == _records.begin()) {
        return false;
    }
    --at;
    if (at->first.tag != tag) {
        return false;
    }
    *key = at->first.key;
    return true;
}

void DocumentStore::Put(unsigned long tag, const RecordKey& key, Bytes bytes)
{
    _records[RecordId{tag, key}] = std::move(bytes);
}

void DocumentStore::Restore(const RecordId& id, const Bytes* bytes)
{
    if (bytes == nullptr) {
        _records.erase(id);
    } else {
        _records[id] = *bytes;
    }
}

void DocumentStore::Changing(const RecordId& id)
{
    if (_observer) {
        auto found = _records.find(id);
        _observer(id, found == _records.end() ? nullptr : &found->second);
    }
}

}  // namespace workbench
