// Identifiers of the resources linked into Velmora.scr.
#pragma once

#define IDB_SPRITE_SHEET 101
#define IDB_TITLE_PICTURE 102    // 320 x 240, the settings dialog's picture
#define IDB_PREVIEW_PICTURE 103  // 150 x 112, the about box's and the preview's picture
#define IDC_HAND_CURSOR 104      // the pointer over the settings dialog's links
