// resource.h: resource numbers and command identifiers.
#pragma once

#define IDI_PROGRAM 102
#define IDM_POPUP 105
#define IDI_ABOUT 110

#define IDM_OPTIONS 40001
#define IDM_MENUS 40004
#define IDM_ABOUT 40005
#define IDM_EXIT 40006

#define IDD_ABOUT 104
