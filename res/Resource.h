// Resource numbers: strings, dialogs, controls, the icon and the backdrop bitmap.
#pragma once

#include "platform/WinTypes.h"

// Strings (texts in res/StringTable.cpp).
inline constexpr UINT IDS_ABOUTBOX = 101;
inline constexpr UINT IDS_TOO_MANY_FILES = 102;
inline constexpr UINT IDS_NO_FILES_SELECTED = 103;
inline constexpr UINT IDS_PROCESSING = 104;
inline constexpr UINT IDS_READY = 105;
inline constexpr UINT IDS_INVALID_FILE_NAME = 107;
inline constexpr UINT IDS_UNEXPECTED_EOF = 108;
inline constexpr UINT IDS_VERTEX_LINE = 111;
inline constexpr UINT IDS_AWAITING_INPUT = 112;
inline constexpr UINT IDS_FINISHED = 113;
inline constexpr UINT IDS_INVALID_PARAMETER = 114;
inline constexpr UINT IDS_UNKNOWN_SELECT_ERROR = 115;
inline constexpr UINT IDS_POSITION_LINE = 116;

// Dialogs, icon and bitmap.
inline constexpr UINT IDD_ABOUTBOX = 100;
inline constexpr UINT IDD_TARVOLIN_DIALOG = 102;
inline constexpr UINT IDD_SHOW_TRANSFORMS = 130;
inline constexpr UINT IDR_MAINFRAME = 130;
inline constexpr UINT IDB_BACKDROP = 129;

// System-menu command of the About item, and the framework's Help command.
inline constexpr UINT IDM_ABOUTBOX = 0x0010;
inline constexpr UINT ID_HELP = 57670;

// Main window controls.
inline constexpr int IDC_LIST_SOURCE_FILES = 1000;
inline constexpr int IDC_EDIT_DEST_DIR = 1001;
inline constexpr int IDC_BROWSE_SOURCE = 1002;
inline constexpr int IDC_BROWSE_DEST = 1003;
inline constexpr int IDC_GO = 1004;
inline constexpr int IDC_SHOW_TRANSFORMS = 1005;
inline constexpr int IDC_STATUS = 1006;
inline constexpr int IDC_EDIT_TRANSFORM_FILE = 1007;
inline constexpr int IDC_SELECT_TRANSFORM_FILE = 1008;

// About box controls.
inline constexpr int IDC_HOMEPAGE = 1000;
inline constexpr int IDC_ABOUT_ICON = 1001;
inline constexpr int IDC_EMAIL = 1003;

// Transform listing control.
inline constexpr int IDC_LIST_TRANSFORMS = 1004;
