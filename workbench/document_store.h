// The records of one document, keyed by tag and the 8-byte record key.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "host/record_key_layout.h"

namespace workbench {

using Bytes = std::vector<unsigned char>;

// The host's record key: four 16-bit numbers. Records of a tag are ordered
// by these numbers, unsigned.
struct RecordKey {
    unsigned char bytes[record_key::kSize] = {};

    static RecordKey FromNumbers(unsigned a, unsigned b = 0, unsigned c = 0, unsigned d = 0);
    static RecordKey FromMemory(const void* key);
    void ToMemory(void* key) const;
    unsigned Number(int index) const;
    void SetNumber(int index, unsigned value);
    bool operator<(const RecordKey& other) const;
    bool operator==(const RecordKey& other) const;
};

struct RecordId {
    unsigned long tag;
    RecordKey key;
    bool operator<(const RecordId& other) const;
    bool operator==(const RecordId& other) const { return tag == other.tag && key == other.key; }
};

class DocumentStore {
public:
    // Called before every change with the record as it was (null: it did
    // not exist), so that an edit block can put it back.
    using ChangeObserver = std::function<void(const RecordId&, const Bytes* before)>;
    void SetChangeObserver(ChangeObserver observer) { _observer = std::move(observer); }

    const Bytes* Find(unsigned long tag, const RecordKey& key) const;
    bool Contains(unsigned long tag, const RecordKey& key) const { return Find(tag, key) != nullptr; }

    // Load: with no buffer, only the size; otherwise at most `*size` bytes
    // (the caller's capacity) are copied. `*size` becomes the record's size.
    bool Load(unsigned long tag, const RecordKey& key, void* buffer, long* size) const;
    // Save creates or replaces the record.
    bool Save(unsigned long tag, const RecordKey& key, const void* buffer, long size);
    // Create replaces each key number holding 0xFFFF by the next free number
    // among the records that share the numbers before it (1 for the first
    // number, 0 for the others when none exists), then saves under it.
    bool Create(unsigned long tag, RecordKey* key, const void* buffer, long size);
    bool Delete(unsigned long tag, const RecordKey& key);
    // Moves the key to the next (previous) record of the tag in key order.
    bool Next(unsigned long tag, RecordKey* key) const;
    bool Previous(unsigned long tag, RecordKey* key) const;

    // Building and restoring, without telling the observer.
    void Put(unsigned long tag, const RecordKey& key, Bytes bytes);
    void Restore(const RecordId& id, const Bytes* bytes);

    const std::map<RecordId, Bytes>& Records() const { return _records; }

private:
    void Changing(const RecordId& id);

    std::map<RecordId, Bytes> _records;
    ChangeObserver _observer;
};

}  // namespace workbench
