// Workbench documents for the inspector's tests.
#pragma once

#include <memory>

#include "workbench/workbench.h"

// A new, empty document, opened as the current one.
inline workbench::Document& OpenEmptyDocument()
{
    workbench::Workbench::Instance().CloseAll();
    return workbench::Workbench::Instance().Open(std::make_unique<workbench::Document>());
}
