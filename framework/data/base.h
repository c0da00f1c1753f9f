// __FCBase: the root of every framework class.
#pragma once

class __FCBase {
public:
    __FCBase() = default;
    virtual const char* ClassName() const { return "__FCBase"; }
    // Classes with an identity of their own compare it here.
    virtual bool IsIdentical(const __FCBase*) const { return true; }
    // Objects are destroyed through pointers to any of their bases.
    virtual ~__FCBase() = default;

    // An untyped pointer for the owner's own use; the framework never reads it.
    void SetUserData(void* data) { _pUserData = data; }
    void* GetUserData() const { return _pUserData; }

    // Sets (state true) or clears the mask's bits in a flag word.
    static void Set16BitFlag(unsigned short* flags, unsigned short mask, bool state);
    static void Set32BitFlag(unsigned long* flags, unsigned long mask, bool state);

private:
    void* _pUserData = nullptr;
};
