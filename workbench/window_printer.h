// A plug-in window as text, for scripts: what a user would read in it.
#pragma once

#include <windows.h>

#include <string>

namespace workbench {

// The caption, then each control in tab order: ID, class, text and state,
// the entries of combo and list boxes, the columns and rows of list views
// (cell texts asked of the control, so that callback texts come too), the
// range and position of up-downs, and the nodes of trees by depth.
std::string DescribeWindow(HWND window);
// The window's place and outer size on the screen and its client size, then
// each control's place in the client area and outer size, in tab order.
std::string DescribeGeometry(HWND window);
// A window's text, or a dialog item's.
std::string WindowText(HWND window);

}  // namespace workbench
