// Little-endian reads and writes of fields in host records, by byte offset.
#pragma once

inline unsigned short ReadU16(const void* record, int offset)
{
    const unsigned char* p = static_cast<const unsigned char*>(record) + offset;
    return static_cast<unsigned short>(p[0] | (p[1] << 8));
}

inline short ReadS16(const void* record, int offset)
{
    return static_cast<short>(ReadU16(record, offset));
}

inline unsigned long ReadU32(const void* record, int offset)
{
    const unsigned char* p = static_cast<const unsigned char*>(record) + offset;
    return static_cast<unsigned long>(p[0]) | (static_cast<unsigned long>(p[1]) << 8) |
           (static_cast<unsigned long>(p[2]) << 16) | (static_cast<unsigned long>(p[3]) << 24);
}

inline long ReadS32(const void* record, int offset)
{
    return static_cast<long>(ReadU32(record, offset));
}

inline void WriteU16(void* record, int offset, unsigned int value)
{
    unsigned char* p = static_cast<unsigned char*>(record) + offset;
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

inline void WriteU32(void* record, int offset, unsigned long value)
{
    unsigned char* p = static_cast<unsigned char*>(record) + offset;
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
    p[2] = static_cast<unsigned char>(value >> 16);
    p[3] = static_cast<unsigned char>(value >> 24);
}
