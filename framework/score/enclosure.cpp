// Enclosures: their own block or the bytes of the record they belong to.
#include "framework/score/enclosure.h"

#include <cstring>

FCEnclosure::FCEnclosure()
{
    _SetBuffer(_bytes);
    _SetBufferSize(enclosure_record::kSize);
}

void* FCEnclosure::Allocate()
{
    _SetBufferSize(enclosure_record::kSize);
    return _bytes;
}

unsigned long FCEnclosure::Tag()
{
    return GetCustomTag() != 0 ? GetCustomTag() : enclosure_record::kTag;
}

void FCEnclosure::CloneMemoryFrom(const __FCBaseData* other)
{
    auto* enclosure = dynamic_cast<const FCEnclosure*>(other);
    if (enclosure == nullptr || enclosure == this) {
        return;
    }
    std::memmove(_bytes, enclosure->_bytes, enclosure_record::kSize);
    _SetBuffer(_bytes);
    _SetBufferSize(enclosure_record::kSize);
    _SetDataSize(enclosure_record::kSize);
}

void FCEnclosure::_PointAt(unsigned char* bytes)
{
    if (bytes == nullptr) {
        return;
    }
    _bytes = bytes;
    _SetBuffer(_bytes);
    _SetBufferSize(enclosure_record::kSize);
    _SetDataSize(enclosure_record::kSize);
}
