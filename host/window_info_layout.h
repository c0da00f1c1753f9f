// The window information record that FX_GetCurrentWindowInfo fills, by byte
// offset: what FCUI reads and the workbench host writes.
#pragma once

namespace window_info {
constexpr int kSize = 274;  // at least
constexpr int kDocumentWindow = 260;  // 32-bit window handle
constexpr int kPageView = 268;  // 16-bit, non-zero in page view
constexpr int kZoom = 270;  // 16-bit, percent
constexpr int kPage = 272;  // 16-bit, the current page
}  // namespace window_info
