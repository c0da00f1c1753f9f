// IDs of the test dialogs and their controls, shared by the resource script
// and the tests.
#pragma once

#define IDD_MAIN_TEST 300
#define IDD_MODAL_TEST 301
#define IDD_CONTROLS_TEST 302
#define IDD_MISSING_TEST 399

#define IDC_FIRST_STATIC 101
#define IDC_SECOND_STATIC 102
#define IDC_SORT_POPUP 112
#define IDC_NOTE_LIST 113
#define IDC_PLAIN_LIST 114
#define IDC_BUDDY_UPDOWN 121
#define IDC_FREE_UPDOWN 122
#define IDC_EDIT 131
#define IDC_DECIMAL_EDIT 132
#define IDC_LIST_BOX 133
#define IDC_TREE 134
#define IDC_HIGH_BUTTON 40000
