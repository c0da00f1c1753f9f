// Replaces a function that this executable imports from a system DLL, so a
// test can watch the Windows calls the framework makes.
#pragma once

// Returns the original address, or null when the executable does not import
// the function.
void* HookImport(const char* dll, const char* function, void* replacement);

// Hooks for the life of a scope.
class ScopedImportHook {
public:
    ScopedImportHook(const char* dll, const char* function, void* replacement);
    ~ScopedImportHook();
    ScopedImportHook(const ScopedImportHook&) = delete;
    ScopedImportHook& operator=(const ScopedImportHook&) = delete;
    void* Original() const { return _original; }

private:
    const char* _dll;
    const char* _function;
    void* _original;
};
