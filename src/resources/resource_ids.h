// Names and numbers of the program's resources, shared by C++ code and glimra.rc.
// Plain #defines only: the resource compiler reads this file too.
#pragma once

// Resource names are narrow string literals so the .rc can use them; C++ widens them:
// LoadImageW(module, GLIMRA_WIDE(RES_PROGRAM_ICON), ...).
#define GLIMRA_WIDE_(text) L##text
#define GLIMRA_WIDE(text) GLIMRA_WIDE_(text)

// Icons. The two integer ids are written "#110" and "#124" where a name is expected.
#define RES_PROGRAM_ICON "A001"     /* 128, 64, 48, 32, 24, 16 px: window and class icon */
#define RES_TRAY_ICON "P-100"       /* 48, 40, 32, 24, 20, 16 px: notification area */
#define IDI_MESSAGE 110             /* 32 px: update question, About dialog */
#define IDI_OPTIONS 124             /* 48, 32, 24, 16 px: Options dialog, restart question */
#define RES_ABOUT_IMAGE "TOOLWINDD" /* 128 px: the About picture */

// The pointing-hand cursor of the About dialog's links.
#define RES_HAND_CURSOR "SILKA"

// TrueType fonts stored as RT_RCDATA, with the face names they register.
#define RES_GLYPH_FONT "FONTGLIMRA"
#define RES_TITLE_FONT "PSEUDO_BRK"
#define GLYPH_FONT_FACE "FontGlimra1"
#define TITLE_FONT_FACE "Pseudo BRK"

// Characters of the glyph font and the icons they draw.
#define GLYPH_MONITOR_BRIGHTNESS 68 /* 'D': a monitor with a sun */
#define GLYPH_MONITOR_CONTRAST 73   /* 'I': a half-filled circle */
#define GLYPH_VIDEO_BRIGHTNESS 197  /* U+00C5: a sun */
#define GLYPH_RESET 183             /* U+00B7: a circular arrow */
#define GLYPH_MENU 120              /* 'x': three bars */
