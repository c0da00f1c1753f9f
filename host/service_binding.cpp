// The host module look-up shared by every wrapper.
#include "host/service_binding.h"

HMODULE GetFinaleHandle()
{
    // Looked up once; a null answer is kept like any other.
    static bool looked_up;
    static HMODULE hFinale;
    if (!looked_up) {
        hFinale = GetModuleHandleA("FINALE.EXE");
        looked_up = true;
    }
    return hFinale;
}
