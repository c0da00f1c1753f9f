// Turning a score description into a document of the host's records: the one
// place where the workbench makes records from what a file describes.
#pragma once

#include <memory>
#include <string>

#include "workbench/document.h"
#include "workbench/score_description.h"

namespace workbench {

// Records in the layouts of `hostVersion`. On failure the result is null and
// `error` says "FILE:LINE: ...", FILE being `fileName`.
std::unique_ptr<Document> BuildDocument(ScoreDescription score, const std::string& fileName,
                                        unsigned long hostVersion, std::string* error);

}  // namespace workbench
