// File streams: opening and closing by folder and name, 8-bit and UTF-8 line
// reading, and writing strings, text and settings pairs.
#include "framework/streams/file_stream.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/streams/settings_pairs.h"

namespace {

// fgets reads at most one less than this, the line feed included.
constexpr int kUTF8LineBytes = 1024;
constexpr int kUTF8LineUnits = 8192;
static_assert(sizeof(wchar_t) == sizeof(short), "UTF-16 units are the string's units");

}  // namespace

FCFileStream::FCFileStream(const char* folder, const FCString* fileName) : _defaultFolder(), _file(nullptr)
{
    _folder.SetCString(folder);
    _fileName.SetString(fileName);
}

FCFileStream::~FCFileStream()
{
    Close();
}

bool FCFileStream::_MakeFullPath(FCString* out) const
{
    if (out == nullptr) {
        return false;
    }
    if (_folder.GetLength() > 0) {
        out->SetString(&_folder);
    } else {
        out->SetCString(_defaultFolder);
    }
    out->Append("\\");
    out->Append(&_fileName);
    return true;
}

bool FCFileStream::OpenFile(const char* mode)
{
    // A file still open would be lost with its handle and buffers.
    Close();
    if (mode == nullptr) {
        return false;
    }
    FCString path;
    _MakeFullPath(&path);
    _file = std::fopen(path.GetCString(), mode);
    return _file != nullptr;
}

bool FCFileStream::Close()
{
    if (_file == nullptr) {
        return false;
    }
    std::fclose(_file);
    _file = nullptr;
    return true;
}

bool FCTextFileStream::OpenRead()
{
    return OpenFile("r");
}

bool FCTextFileStream::OpenWrite()
{
    return OpenFile("w+");
}

FCString* FCTextFileStream::ReadString()
{
    FILE* file = _GetFile();
    if (file == nullptr) {
        return nullptr;
    }
    // One lock for the line, then the bytes straight from the stream's
    // buffer: fgetc would take and give back the lock for every byte.
    _lock_file(file);
    int byte = _getc_nolock(file);
    const bool atEnd = byte == EOF;
    std::string bytes;
    for (; byte != EOF && byte != '\n' && byte != '\r'; byte = _getc_nolock(file)) {
        bytes.push_back(static_cast<char>(byte));
    }
    _unlock_file(file);
    if (atEnd) {
        return nullptr;
    }
    // Room made once: appending unit by unit would copy a long line over
    // and over as it grows in steps of ten.
    FCString* line = new FCString;
    if (!bytes.empty()) {
        line->_ExpandStorageIfNecessary(static_cast<int>(bytes.size()));
    }
    for (char unit : bytes) {
        // Bytes come in as units 0x00-0xFF, not sign-extended.
        line->Append(static_cast<short>(static_cast<unsigned char>(unit)));
    }
    return line;
}

FCStrings* FCTextFileStream::ReadStrings()
{
    if (_GetFile() == nullptr) {
        return nullptr;
    }
    std::vector<FCString*> read;
    while (FCString* line = ReadString()) {
        read.push_back(line);
    }
    // One array for all lines, as large as adding them one by one leaves it.
    FCStrings* lines = new FCStrings;
    lines->_RequireElement(static_cast<int>(read.size()) - 1);
    for (FCString* line : read) {
        lines->Add(line);
    }
    return lines;
}

bool FCTextFileStream::WriteStrings(FCStrings* list)
{
    FILE* file = _GetFile();
    if (file == nullptr || list == nullptr) {
        return false;
    }
    for (int i = 0; i < list->GetCount(); ++i) {
        if (FCString* text = list->GetItemAt(i)) {
            std::fprintf(file, "%s\n", text->GetCString());
        }
    }
    return true;
}

long FCTextFileStream::WriteText(FCString* text)
{
    FILE* file = _GetFile();
    if (file == nullptr || text == nullptr) {
        return 0;
    }
    return std::fprintf(file, "%s", text->GetCString());
}

bool FCTextFileStream::WriteSettingsPairs(FCSettingsPairs* pairs)
{
    FILE* file = _GetFile();
    if (file == nullptr || pairs == nullptr) {
        return false;
    }
    for (int i = 0; i < pairs->GetCount(); ++i) {
        if (FCSettingsPair* pair = pairs->GetItemAt(i)) {
            // Two narrowed texts live in two strings, so both pointers hold.
            std::fprintf(file, "%s=%s\n", pair->GetKey()->GetCString(), pair->GetValue()->GetCString());
        }
    }
    return true;
}

FCString* FCTextFileUTF8Stream::ReadString()
{
    FILE* file = _GetFile();
    if (file == nullptr) {
        return nullptr;
    }
    char bytes[kUTF8LineBytes];
    if (std::fgets(bytes, kUTF8LineBytes, file) == nullptr) {
        return nullptr;
    }
    wchar_t wide[kUTF8LineUnits];
    int count = MultiByteToWideChar(CP_UTF8, 0, bytes, -1, wide, kUTF8LineUnits - 1);
    wide[count] = 0;
    // The host's units are shorts; copy rather than read wchar_t through them.
    short units[kUTF8LineUnits];
    std::memcpy(units, wide, sizeof(short) * (count + 1));
    FCString* line = new FCString;
    line->SetUnicodeString(units);
    return line;
}
