// __FCBaseData: one host record (tag, 8-byte key, bytes in the host's layout)
// that loads, saves, walks and deletes itself through the record services.
#pragma once

#include <memory>

#include "framework/data/base.h"
#include "host/record_key_layout.h"

class __FCBaseData : public __FCBase {
public:
    __FCBaseData() = default;
    __FCBaseData(const __FCBaseData&) = delete;
    __FCBaseData& operator=(const __FCBaseData&) = delete;

    const char* ClassName() const override { return "__FCBaseData"; }
    // The record-layout version handed to every record service.
    virtual unsigned long EnigmaVersion() const { return 0x0F000200; }
    // How many bytes to ask the host for.
    virtual int DataSizeLoad() = 0;
    // What was loaded is what is saved.
    virtual int DataSizeSave() const { return _datasize; }
    // Provides the buffer to load into; states its size with _SetBufferSize.
    virtual void* Allocate() = 0;
    virtual void Deallocate() {}
    // Dynamic records start every load from a fresh buffer.
    virtual bool IsDynamicSize() const { return false; }
    // A new, empty object of the same class; the caller owns it.
    virtual __FCBaseData* CreateObject() = 0;
    virtual unsigned long Tag() = 0;
    // Copies the other's valid bytes into a heap block of this object's own.
    virtual void CloneMemoryFrom(const __FCBaseData* other);
    ~__FCBaseData() override = default;
    virtual bool Save();
    virtual bool DeleteData();
    // Records that own dependent host records delete those too.
    virtual bool DeepDeleteData() { return DeleteData(); }
    virtual bool LoadFirst() = 0;
    // The host's next record of the tag after the one the key names.
    virtual bool LoadNext();

    bool LoadDataBlock();
    void ClearData();
    // Key, custom tag and bytes of a record of the very same class (nothing
    // from any other); the user data stays the owner's.
    void CloneFrom(const __FCBaseData* other);
    // Null when the class makes no objects of its own.
    __FCBaseData* CreateClone();

    // A tag that replaces the class's own where the class allows it; 0: none.
    void SetCustomTag(unsigned long tag) { _customtag = tag; }
    unsigned long GetCustomTag() const { return _customtag; }
    int GetDataSize() const { return _datasize; }

    unsigned char* _GetBuffer() { return _buffer; }
    const unsigned char* _GetBuffer() const { return _buffer; }
    unsigned char* _GetKey() { return _key; }
    const unsigned char* _GetKey() const { return _key; }
    // The key's 16-bit numbers by index 0 to 2 (offsets 0, 2, 4); other
    // indexes read 0 and write nothing.
    unsigned short _GetKeyNumber(int index) const;
    void _SetKeyNumber(int index, unsigned value);

protected:
    // A null buffer holds nothing; any other keeps the size last stated.
    void _SetBuffer(void* buffer);
    // How many bytes the buffer holds: no load, save or copy goes beyond it.
    void _SetBufferSize(int size);
    // Never more than the buffer holds, never below 0.
    void _SetDataSize(int size);
    // Creates the record under the key; the host replaces the key's -1
    // numbers with those it assigns.
    bool _CreateDataBlock();

private:
    static constexpr int kKeyNumbers = 3;  // the families' numbers, the key's first three

    // The bytes handed to the host: the saved size, within the buffer.
    long _SavedByteCount() const;

    unsigned long _customtag = 0;
    unsigned char* _buffer = nullptr;
    int _datasize = 0;
    unsigned char _key[record_key::kSize] = {};
    int _buffersize = 0;
    // The heap block a default clone copies into; this object releases it.
    std::unique_ptr<unsigned char[]> _clonedblock;
};

// A new record as the class a caller needs, which then owns it; null (and
// the record destroyed) when it is of another class.
template <typename Record>
std::unique_ptr<Record> TakeRecordAs(__FCBaseData* record)
{
    std::unique_ptr<__FCBaseData> owned(record);
    auto* wanted = dynamic_cast<Record*>(owned.get());
    if (wanted == nullptr) {
        return nullptr;
    }
    owned.release();
    return std::unique_ptr<Record>(wanted);
}
