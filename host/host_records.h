// Host record types handed to host services by address. They are byte blocks
// in the host's layout; their fields are read with the helpers of record_bytes.h.
#pragma once

// A rectangle of staff slots and measures (layout in framework/data/music_region.h).
struct EREGION {
    unsigned char bytes[20];
};

// A full path as 8-bit text ending in a NUL byte, filled by host services.
struct FinPathSpec2009 {
    unsigned char bytes[260];
};

// The interface version the framework passes to every host service but the
// record services.
constexpr unsigned long kFinaleInterfaceVersion = 0x0F000200;
