// Binding of host services by name: each wrapper looks its service up in the
// host executable on first use and keeps the address (or null) for the life
// of the library.
#pragma once

#include <windows.h>

// The host executable's module handle, looked up once ("FINALE.EXE").
HMODULE GetFinaleHandle();

// One wrapper's binding. Used as a function-static without initialiser, so
// it starts zeroed: not bound, no address.
template <typename Proc>
struct BoundService {
    bool bound;
    Proc proc;
};

// The service's address, looked up on the first call only; null when the
// host lacks it.
template <typename Proc>
Proc Bind(BoundService<Proc>& service, const char* name)
{
    if (!service.bound) {
        FARPROC found = GetProcAddress(GetFinaleHandle(), name);
        service.proc = reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(found));
        service.bound = true;
    }
    return service.proc;
}

// A wrapper returns the host's 16-bit results sign-extended to 32 bits and
// every other result unchanged.
template <typename HostResult>
struct Widened {
    using type = HostResult;
};
template <>
struct Widened<short> {
    using type = int;
};
