// The page text record by byte offset: what FCPageText reads and writes and
// the workbench host builds. The page is the comparison number, the text's
// place among the page's texts the inci.
#pragma once

namespace page_text_record {
constexpr unsigned long kTag = 0x6F745054;  // o, t, P, T
constexpr int kSize = 12;
constexpr int kTextBlock = 0;  // item number of the text block holding the text
}  // namespace page_text_record
