// Streams over the C runtime's buffered files: __FCBaseStream, FCFileStream,
// FCTextFileStream (8-bit lines) and FCTextFileUTF8Stream (UTF-8 lines).
#pragma once

#include <cstdio>

#include "framework/data/base.h"
#include "framework/data/string.h"

class FCSettingsPairs;

class __FCBaseStream : public __FCBase {
};

// A file named by a folder (without a trailing backslash) and a file name.
class FCFileStream : public __FCBaseStream {
public:
    FCFileStream(const char* folder, const FCString* fileName);
    FCFileStream(const FCFileStream&) = delete;
    FCFileStream& operator=(const FCFileStream&) = delete;
    // Closes the file if one is open.
    ~FCFileStream() override;
    virtual bool OpenRead() = 0;
    virtual bool OpenWrite() = 0;

    // The folder, or the default folder when it is empty, a backslash, the name.
    bool _MakeFullPath(FCString* out) const;
    // Opens the file in a C runtime mode; a file open before is closed first.
    bool OpenFile(const char* mode);
    // False when no file is open.
    bool Close();

protected:
    FILE* _GetFile() const { return _file; }

private:
    char _defaultFolder[260];
    FCString _folder;
    FCString _fileName;
    FILE* _file;
};

// Reads 8-bit lines, each byte one unit 0x00-0xFF, and writes narrowed text.
class FCTextFileStream : public FCFileStream {
public:
    FCTextFileStream(const char* folder, const FCString* fileName) : FCFileStream(folder, fileName) {}
    ~FCTextFileStream() override = default;
    // C text mode: the runtime turns each CR LF into one LF.
    bool OpenRead() override;
    // Created or emptied, for writing and reading, C text mode.
    bool OpenWrite() override;
    // The next line without its line end; null when no file is open or at
    // the end. Every CR and every LF ends a line. The caller owns the string.
    virtual FCString* ReadString();

    // Every line to the end; null when no file is open. The caller owns the list.
    FCStrings* ReadStrings();
    // Each string and a line feed; false when no file is open.
    bool WriteStrings(FCStrings* list);
    // What fprintf answers; 0 when no file is open.
    long WriteText(FCString* text);
    // One "key=value" line per pair; false when no file is open.
    bool WriteSettingsPairs(FCSettingsPairs* pairs);
};

// Reads UTF-8 lines of at most 1023 bytes, keeping their line feed.
class FCTextFileUTF8Stream : public FCTextFileStream {
public:
    FCTextFileUTF8Stream(const char* folder, const FCString* fileName) : FCTextFileStream(folder, fileName) {}
    ~FCTextFileUTF8Stream() override = default;
    // A longer line comes in several pieces; bytes that are no UTF-8 give an
    // empty string, not null.
    FCString* ReadString() override;
};
