// Raw texts: the host's 8-bit texts, sized as the host reports. FCRawText
// holds any of them; __FCOtherText is the family of texts that belong to
// another record and carry that record's number.
#pragma once

#include "framework/data/base_data.h"

class FCString;

class FCRawText : public __FCBaseData {
public:
    ~FCRawText() override;
    const char* ClassName() const override { return "FCRawText"; }
    unsigned long EnigmaVersion() const override { return 0x0F000200; }
    // Asks the host for the record's current size (0 when it has none).
    int DataSizeLoad() override;
    void* Allocate() override;
    void Deallocate() override;
    bool IsDynamicSize() const override { return true; }
    // Raw texts are never cloned or collected.
    __FCBaseData* CreateObject() override { return nullptr; }
    unsigned long Tag() override;
    bool LoadFirst() override;

    virtual void SetRawTextNumber(short number);
    virtual short GetItemNo();

    bool Load(short number);
    bool SaveAs(short number);
    bool SaveNew();
    // The string's 8-bit text with its NUL becomes the record's bytes; a
    // null string leaves the record empty.
    void SetText(FCString* text);
    // The record's text, up to its NUL or its size; the caller owns the string.
    FCString* CreateString();

private:
    unsigned char* _heapBlock = nullptr;
};

class __FCOtherText : public FCRawText {
public:
    const char* ClassName() const override { return "__FCOtherText"; }
    // Each kind of dependent text names its own tag.
    unsigned long Tag() override { return 0; }
};
