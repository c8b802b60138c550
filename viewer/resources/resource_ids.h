/* Numbers of the viewer's resources; read by the resource script and the code. */
#ifndef LOMVEX_RESOURCE_IDS_H
#define LOMVEX_RESOURCE_IDS_H

#define IDI_LOMVEX 1
/* Images of the main list, toolbar and headers: image n is IDI_IMAGE_BASE + n. */
#define IDI_IMAGE_BASE 1000
#define IDM_MAIN_MENU 100
#define IDM_TRAY_MENU 101
#define IDR_HELP_TEXT 300

#endif
