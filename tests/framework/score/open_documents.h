// Two documents open in the workbench host for the tests of parts and
// documents: "Orchestra" (number 1, read from a file path) with the linked
// parts 5 "Flute" and 2 "Oboe" in that order, and "Quartet" (number 2) with
// none. The first is current.
#pragma once

#include "tests/workbench/test_documents.h"

inline void OpenOrchestraAndQuartet()
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    workbench::Document& orchestra =
        OpenOnly("<part id='5' name='Flute'/><part id='2' name='Oboe'/><record tag='abcd'>01</record>");
    orchestra.name = "Orchestra";
    orchestra.path = "Z:\\scores\\orchestra.xml";
    std::string error;
    std::unique_ptr<workbench::Document> quartet = workbench::ReadDocumentText(
        "<document name='Quartet'><record tag='abcd'>02</record></document>", "quartet.xml", "Z:\\scores",
        0x10000000, &error);
    ASSERT_NE(quartet, nullptr) << error;
    host.Open(std::move(quartet));
    host.SetCurrent(1);
    host.ClearCalls();
}
