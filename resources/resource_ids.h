/* Ids of the dialog templates, their controls, the icon and the payload items; shared by the .rc files and the code. */
#ifndef VOCALITH_RESOURCE_IDS_H
#define VOCALITH_RESOURCE_IDS_H

#define IDI_SETUP                 103

#define IDD_MESSAGE               112
#define IDD_WIZARD                114
#define IDD_FOLDER_CHOOSER        168

/* Platform ids, repeated so that the pure code need not include <windows.h>. */
#ifndef IDOK
#define IDOK                      1
#define IDCANCEL                  2
#define IDYES                     6
#define IDNO                      7
#endif

/* Wizard (template 114) */
#define IDC_BACK                  3
#define IDC_NEXT                  1001
#define IDC_INSTALL_DIR           1002
#define IDC_BROWSE                1003
#define IDC_DESKTOP_ICON          1004
#define IDC_AUTOSTART             1005
#define IDC_INSTALL_DIR_LABEL     1006
#define IDC_BANNER_PRODUCT        1009
#define IDC_ENGLISH               1010
#define IDC_BANNER_EDITION        1011
#define IDC_BANNER_SETUP          1012
#define IDC_LICENCE_EN            1014
#define IDC_LANGUAGE_LABEL        1017
#define IDC_LANGUAGE              1018
#define IDC_LICENCE_CN            1019
#define IDC_BANNER_BLANK          1020
#define IDC_WAIT_SLOT             1021  /* IDC_WAIT is the platform's wait cursor */
#define IDC_PROGRESS              1026
#define IDC_BANNER_ICON           102
#define IDC_DIVIDER               108
#define IDC_BANNER_NAME           166
#define IDC_BANNER_INSTALLER      169
#define IDC_WEB_ADDRESS           172

/* Message box (template 112) */
#define IDC_MSG_TEXT              1013
#define IDC_MSG_ENGLISH           1028

/* Folder chooser (template 168); 1010 is the wizard's English check box as well. */
#define IDC_DIRECTORIES_LABEL     1008
#define IDC_DRIVES_LABEL          1010
/* Its caption: the template's, and the title the code passes too (Wine ignores a null title). */
#define FOLDER_CHOOSER_CAPTION    "Choose Destination Directory"

/* Payload items outside the catalogue (the catalogue is resources/payload_items.def). */
#define PAYLOAD_FONT              110
#define PAYLOAD_LICENCE_CN        124
#define PAYLOAD_LICENCE_EN        161
#define PAYLOAD_SAPI_PACKAGE      1029

#endif
