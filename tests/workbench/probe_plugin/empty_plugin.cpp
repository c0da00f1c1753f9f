// A DLL without the plug-in entry points, which the workbench must refuse.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI NotAPlugin()
{
    return 1;
}
