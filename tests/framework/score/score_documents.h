// The workbench document the score classes' tests read their records from.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "workbench/document_reader.h"
#include "workbench/workbench.h"

// Closes every document and opens tests/framework/score/data/measures.xml.
inline workbench::Document& OpenMeasures()
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    host.CloseAll();
    std::string error;
    std::unique_ptr<workbench::Document> document =
        workbench::ReadDocumentFile("tests/framework/score/data/measures.xml", 0x10000000, &error);
    EXPECT_NE(document, nullptr) << error;
    if (!document) {
        document = std::make_unique<workbench::Document>();
    }
    return host.Open(std::move(document));
}
