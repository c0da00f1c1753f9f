// What the benchmark's parts share: a stopwatch, medians, sampling within a
// time budget, and a temporary folder for the files they time.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace workbench {
class MainWindow;
class Script;
}

namespace bench {

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&_start); }
    double Milliseconds() const
    {
        LARGE_INTEGER now;
        LARGE_INTEGER frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - _start.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER _start;
};

inline double Median(std::vector<double> samples)
{
    if (samples.empty()) {
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// Up to `count` samples of `run` (which answers false when it went wrong),
// fewer once `budgetMs` is spent, so that a slow run does not take forever.
template <typename Run>
bool Sample(int count, double budgetMs, std::vector<double>* samples, Run run)
{
    Stopwatch total;
    for (int i = 0; i < count && (i == 0 || total.Milliseconds() < budgetMs); ++i) {
        Stopwatch watch;
        if (!run()) {
            return false;
        }
        samples->push_back(watch.Milliseconds());
    }
    return true;
}

// The benchmark's own files, in a temporary folder that is removed at the end.
class BenchFolder {
public:
    BenchFolder()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        _path = std::string(temp) + "drumwell-bench-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(_path.c_str(), nullptr);
    }
    ~BenchFolder()
    {
        for (const std::string& file : _files) {
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(_path.c_str());
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    // The full path of the file written, or empty when it could not be written.
    std::string Write(const char* name, const std::string& bytes)
    {
        std::string file = _path + "\\" + name;
        FILE* out = std::fopen(file.c_str(), "wb");
        if (out == nullptr) {
            return std::string();
        }
        _files.push_back(file);
        bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        return std::fclose(out) == 0 && written ? file : std::string();
    }
    const std::string& Path() const { return _path; }

private:
    std::string _path;
    std::vector<std::string> _files;
};

// Opening documents of many staves beside tinyxml2's parse of the same file.
// Each is opened as the host's --document step does: read, built, shown.
bool MeasureDocuments(BenchFolder& folder, const std::string& mapFile, const std::string& noteTypeFile,
                      workbench::Script& script, workbench::MainWindow& mainWindow);
// The note type reader on large and odd files beside reading their bytes.
bool MeasureNoteTypeFiles(BenchFolder& folder);

}  // namespace bench
