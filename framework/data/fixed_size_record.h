// FixedSizeRecord: the buffer mechanism of records whose host layout has one
// size. A concrete record derives from it and says only its tag and fields.
#pragma once

#include <cstring>

#include "framework/data/base_data.h"

// Derived: the concrete record; Family: its record family; Size: the bytes
// of the host's record, embedded in the object.
template <typename Derived, typename Family, int Size>
class FixedSizeRecord : public Family {
public:
    // The buffer is the zeroed block from the start, so fields read as zero
    // before any load.
    FixedSizeRecord()
    {
        this->_SetBuffer(_block);
        this->_SetBufferSize(Size);
    }

    int DataSizeLoad() override { return Size; }
    void* Allocate() override
    {
        this->_SetBufferSize(Size);
        return _block;
    }
    __FCBaseData* CreateObject() override { return new Derived(); }
    // The whole block of another record of this class, loaded or not.
    void CloneMemoryFrom(const __FCBaseData* other) override
    {
        auto* same = dynamic_cast<const Derived*>(other);
        if (same == nullptr || other == this) {
            return;
        }
        std::memcpy(_block, static_cast<const FixedSizeRecord*>(same)->_block, Size);
        this->_SetBuffer(_block);
        this->_SetBufferSize(Size);
        this->_SetDataSize(Size);
    }

protected:
    // Fields read and write the block, which exists whether or not the
    // record was loaded.
    unsigned char* _GetBlock() { return _block; }
    const unsigned char* _GetBlock() const { return _block; }

private:
    unsigned char _block[Size] = {};
};
