// The data record's buffer handling and its calls of the record services.
#include "framework/data/base_data.h"

#include <cstring>
#include <typeinfo>

#include "host/record_bytes.h"
#include "host/service_wrappers.h"

unsigned short __FCBaseData::_GetKeyNumber(int index) const
{
    if (index < 0 || index >= kKeyNumbers) {
        return 0;
    }
    return ReadU16(_key, record_key::NumberOffset(index));
}

void __FCBaseData::_SetKeyNumber(int index, unsigned value)
{
    if (index < 0 || index >= kKeyNumbers) {
        return;
    }
    WriteU16(_key, record_key::NumberOffset(index), value);
}

void __FCBaseData::_SetBuffer(void* buffer)
{
    _buffer = static_cast<unsigned char*>(buffer);
    if (_buffer == nullptr) {
        _buffersize = 0;
        _datasize = 0;
    }
}

void __FCBaseData::_SetBufferSize(int size)
{
    _buffersize = size < 0 ? 0 : size;
    if (_datasize > _buffersize) {
        _datasize = _buffersize;
    }
}

void __FCBaseData::_SetDataSize(int size)
{
    if (_buffer == nullptr || size < 0) {
        size = 0;
    }
    _datasize = size < _buffersize ? size : _buffersize;
}

long __FCBaseData::_SavedByteCount() const
{
    if (_buffer == nullptr) {
        return 0;
    }
    int size = DataSizeSave();
    if (size < 0) {
        return 0;
    }
    return size < _buffersize ? size : _buffersize;
}

bool __FCBaseData::LoadDataBlock()
{
    if (_buffer != nullptr && IsDynamicSize()) {
        ClearData();
    }
    if (_buffer == nullptr) {
        _SetBuffer(Allocate());
    }
    // Without a buffer the host would take the load for a size query.
    if (_buffer == nullptr) {
        return false;
    }
    // Ask for no more than the buffer holds, whatever the size query says:
    // a dynamic record's buffer was sized by an earlier answer.
    long capacity = DataSizeLoad();
    if (capacity > _buffersize) {
        capacity = _buffersize;
    }
    if (capacity < 0) {
        capacity = 0;
    }
    long size = capacity;
    if (FX_LoadEData(Tag(), _key, _buffer, &size, EnigmaVersion()) == 0) {
        _datasize = 0;
        return false;
    }
    // The host reports the record's own size, which may exceed what it copied.
    _SetDataSize(size < capacity ? size : capacity);
    return true;
}

void __FCBaseData::ClearData()
{
    Deallocate();
    _clonedblock.reset();
    _SetBuffer(nullptr);
}

bool __FCBaseData::Save()
{
    if (_datasize <= 0) {
        return false;
    }
    return FX_SaveEData(Tag(), _key, _buffer, _SavedByteCount(), EnigmaVersion()) != 0;
}

bool __FCBaseData::_CreateDataBlock()
{
    return FX_CreateEData(Tag(), _key, _buffer, _SavedByteCount(), EnigmaVersion()) != 0;
}

bool __FCBaseData::DeleteData()
{
    return FX_DeleteEData(Tag(), _key, EnigmaVersion()) != 0;
}

bool __FCBaseData::LoadNext()
{
    if (FX_NextEData(Tag(), _key, nullptr, nullptr, EnigmaVersion()) == 0) {
        return false;
    }
    return LoadDataBlock();
}

void __FCBaseData::CloneMemoryFrom(const __FCBaseData* other)
{
    if (other == nullptr || other == this || other->GetDataSize() <= 0) {
        return;
    }
    int size = other->GetDataSize();
    ClearData();
    _clonedblock.reset(new unsigned char[size]);
    std::memcpy(_clonedblock.get(), other->_GetBuffer(), size);
    _SetBuffer(_clonedblock.get());
    _SetBufferSize(size);
    _SetDataSize(size);
}

void __FCBaseData::CloneFrom(const __FCBaseData* other)
{
    // Another class's key names a record this class would save its own bytes
    // over: such a clone is refused whole.
    if (other == nullptr || other == this || typeid(*other) != typeid(*this)) {
        return;
    }
    std::memcpy(_key, other->_key, sizeof _key);
    _customtag = other->_customtag;
    CloneMemoryFrom(other);
}

__FCBaseData* __FCBaseData::CreateClone()
{
    __FCBaseData* clone = CreateObject();
    if (clone != nullptr) {
        clone->CloneFrom(this);
    }
    return clone;
}
