// Identifiers of the resources linked into Velmora.scr.
#pragma once

#define IDB_SPRITE_SHEET 101
