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
// On request, what the owner of a list view answers for a row: the colours
// it draws the row in (for every row once ShowRowColours is on, when the
// owner draws the list) and the tooltip of the row set with SetHoveredRow
// (control ID, 1-based row). Lines to follow the row's line; empty for none.
void ShowRowColours(bool show);
void SetHoveredRow(int control, int row);
std::string DescribeRowAnswers(HWND list, int row);
// A window's text, or a dialog item's.
std::string WindowText(HWND window);

}  // namespace workbench
