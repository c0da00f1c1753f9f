// File paths as the host hands them out: full Windows paths (under Wine,
// Z:\... reaches the Linux file system).
#pragma once

#include <string>

namespace workbench {

// The full path of `path`, relative paths taken from the current folder;
// empty when Windows cannot make one.
std::string FullPath(const std::string& path);
// A path as written in a file in `folder`: relative ones are taken from there.
std::string PathBeside(const std::string& folder, const std::string& path);
// Everything before the last separator; empty when there is none.
std::string FolderOf(const std::string& path);
// The text after the last separator.
std::string FileNameOf(const std::string& path);
bool IsExistingFile(const std::string& path);
// Appends the file's bytes to `bytes`; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string* bytes);
// Paths are kept in the process's code page, as Windows' file functions and
// the host's services take them; documents and printed output are UTF-8.
// `lossy` tells that the path has characters the code page cannot hold.
std::string PathFromUtf8(const std::string& utf8, bool* lossy);
std::string Utf8FromPath(const std::string& path);
// The folder of FINALE.EXE.
std::string ProgramFolder();
// The note type table that FINALE.EXE keeps beside itself.
constexpr const char kDefaultNoteTypeFile[] = "percussion_note_types.txt";
// The note type table a document names (a full path), or when it names
// none (empty) the one beside FINALE.EXE.
std::string NoteTypeTable(const std::string& named);

// Copies `text` into a buffer of `capacity` bytes, cut if need be and always
// ending in a NUL. False, with nothing written, for no buffer or no room;
// `complete` tells whether the whole text fitted.
bool CopyText(char* buffer, int capacity, const std::string& text, bool* complete = nullptr);

}  // namespace workbench
