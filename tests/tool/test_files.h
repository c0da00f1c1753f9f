// Files written for a test into a folder of its own, removed afterwards.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

class TestFolder {
public:
    TestFolder()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        _path = std::string(temp) + "drumwell-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++_made);
        CreateDirectoryA(_path.c_str(), nullptr);
    }
    ~TestFolder()
    {
        for (const std::string& file : _files) {
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(_path.c_str());
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // Writes the bytes as they are (no line-end translation); returns the full path.
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string file = _path + "\\" + name;
        if (FILE* out = std::fopen(file.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), out);
            std::fclose(out);
        }
        _files.push_back(file);
        return file;
    }
    const std::string& Path() const { return _path; }

private:
    static inline int _made = 0;
    std::string _path;
    std::vector<std::string> _files;
};
