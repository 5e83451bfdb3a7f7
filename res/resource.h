// Resource ids of Kestrow. Shared by Kestrow.rc and the C++ sources; values are
// fixed by the program's dialogs, so keep them as they are.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates, strings and icons
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDD_PILLAR_WRAP 129
#define IDD_BEVEL_SCALE 130
#define IDD_FLOOR_SCALE 131
#define IDD_TEXTURE_SKEW 132
#define IDD_REMOTE 134
#define IDI_SKEW_HORZ 131
#define IDI_SKEW_VERT 132

// System-menu command that opens the about box
#define IDM_ABOUTBOX 0x0010

// Main window (102)
#define IDC_MAIN_COMMAND 1000
#define IDC_MAIN_APPLY 1001
#define IDC_MAIN_REMOTE 1002
#define IDC_MAIN_TABS 1004
#define IDC_MAIN_HELP 1007
#define IDC_MAIN_CMD_LABEL 1045

// About box (100)
#define IDC_ABOUT_CREDITS 1005
#define IDC_ABOUT_REV_HISTORY 1006

// Remote window (134)
#define IDC_REMOTE_APPLY 1050

// Pillar Wrap page (129)
#define IDC_PW_SIMPLE_PAN 1004
#define IDC_PW_TEXCOUNT 1005
#define IDC_PW_BEST_SCALE 1006
#define IDC_PW_TEXWIDTH 1008
#define IDC_PW_SIDES 1009
#define IDC_PW_ALIGN_TO_SIDE 1010
#define IDC_PW_RADIUS 1011
#define IDC_PW_CIRCUMFERENCE 1012
#define IDC_PW_CMD_SIMPLE_PAN 1013
#define IDC_PW_CMD_BEST_SCALE 1014
#define IDC_PW_BEST_PAN 1015
#define IDC_PW_CMD_BEST_PAN 1016
#define IDC_PW_APPLY_U 1017
#define IDC_PW_APPLY_V 1018
#define IDC_PW_NEGATE_PAN 1021
#define IDC_PW_FRACTIONAL_ERROR 1027
#define IDC_PW_OTHER_SCALE 1031

// Bevel Scale page (130)
#define IDC_BS_TEXWIDTH 1008
#define IDC_BS_TEXCOUNT 1011
#define IDC_BS_APPLY_U 1017
#define IDC_BS_APPLY_V 1018
#define IDC_BS_RISE 1019
#define IDC_BS_RUN 1020
#define IDC_BS_SCALE 1022
#define IDC_BS_CMD 1024
#define IDC_BS_OTHER_SCALE 1031

// Floor Scale page (131)
#define IDC_FS_TEXWIDTH 1008
#define IDC_FS_TEXHEIGHT 1009
#define IDC_FS_STRETCH_X 1013
#define IDC_FS_LENGTH_X 1014
#define IDC_FS_STRETCH_Y 1015
#define IDC_FS_LENGTH_Y 1016
#define IDC_FS_SWAP_SIZE 1018
#define IDC_FS_SWAP_STRETCH 1019
#define IDC_FS_SWAP_LENGTHS 1020
#define IDC_FS_CMD 1026

// Texture Skew page (132)
#define IDC_TS_VERT_NEGATE 1026
#define IDC_TS_HORZ_SCALE 1027
#define IDC_TS_HORZ_RISE 1028
#define IDC_TS_HORZ_RUN 1029
#define IDC_TS_HORZ_SKEW 1030
#define IDC_TS_VERT_SCALE 1031
#define IDC_TS_VERT_RISE 1032
#define IDC_TS_VERT_RUN 1033
#define IDC_TS_VERT_SKEW 1034
#define IDC_TS_HORZ_NEGATE 1035
#define IDC_TS_CMD 1036
