// Opening document files: a file is read into a score description by the
// reader of its format and built into the host's records.
#pragma once

#include <memory>
#include <string>
#include <vector>
#include <vector>

#include "workbench/document.h"

namespace workbench {

// Reads the file at `path`: a workbench document or a MusicXML score, told
// by its top-level element, or a compressed MusicXML score (*.mxl). The
// layout note records get the tag of `hostVersion`. On failure the result
// is null and `error` says where and why: "FILE:LINE: ..." or "FILE: ...",
// FILE as `path` was given. With `warnings`, what the document names that
// its files lack is added there, one "FILE:LINE: warning: ..." each.
std::unique_ptr<Document> ReadDocumentFile(const std::string& path, unsigned long hostVersion, std::string* error,
                                           std::vector<std::string>* warnings = nullptr);

// The same for a document held in memory; `fileName` names it in messages
// and `folder` (a full Windows path) is where its relative paths start.
std::unique_ptr<Document> ReadDocumentText(const char* xml, const std::string& fileName, const std::string& folder,
                                           unsigned long hostVersion, std::string* error);

}  // namespace workbench
