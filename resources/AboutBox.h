/* The about box's dialog and its controls. */
#pragma once

#define IDD_ABOUT 100
#define IDC_ABOUT_LOGO 101
#define IDC_ABOUT_TITLE 102
#define IDC_ABOUT_VERSION 103
#define IDC_ABOUT_COMMENT 104
#define IDC_ABOUT_HOMEPAGE 105
#define IDC_ABOUT_SUPPORT 106
