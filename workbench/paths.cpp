// Full Windows paths, file tests and bounded text copies for the services.
#include "workbench/paths.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "workbench/code_pages.h"

namespace workbench {

std::string FullPath(const std::string& path)
{
    if (path.empty()) {
        return std::string();
    }
    DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return std::string();
    }
    std::string full(needed, '\0');
    DWORD written = GetFullPathNameA(path.c_str(), needed, &full[0], nullptr);
    if (written == 0 || written >= needed) {
        return std::string();
    }
    full.resize(written);
    return full;
}

namespace {
bool IsAbsolute(const std::string& path)
{
    return (!path.empty() && (path[0] == '\\' || path[0] == '/')) || (path.size() >= 2 && path[1] == ':');
}
}  // namespace

std::string PathBeside(const std::string& folder, const std::string& path)
{
    if (IsAbsolute(path) || folder.empty()) {
        return FullPath(path);
    }
    return FullPath(folder + "\\" + path);
}

std::string FolderOf(const std::string& path)
{
    size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::string FileNameOf(const std::string& path)
{
    size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool IsExistingFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ReadFileBytes(const std::string& path, std::string* bytes)
{
    FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes->append(buffer, count);
    }
    const bool read = std::ferror(file) == 0;
    std::fclose(file);
    return read;
}

std::string PathFromUtf8(const std::string& utf8, bool* lossy)
{
    return Recode(utf8, CP_UTF8, CP_ACP, lossy);
}

std::string Utf8FromPath(const std::string& path)
{
    return Recode(path, CP_ACP, CP_UTF8);
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return std::string();
    }
    return FolderOf(std::string(path, length));
}

std::string NoteTypeTable(const std::string& named)
{
    return named.empty() ? ProgramFolder() + "\\" + kDefaultNoteTypeFile : named;
}

bool CopyText(char* buffer, int capacity, const std::string& text, bool* complete)
{
    if (complete != nullptr) {
        *complete = false;
    }
    if (buffer == nullptr || capacity <= 0) {
        return false;
    }
    size_t count = text.size() < static_cast<size_t>(capacity) ? text.size() : static_cast<size_t>(capacity) - 1;
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    if (complete != nullptr) {
        *complete = count == text.size();
    }
    return true;
}

}  // namespace workbench
