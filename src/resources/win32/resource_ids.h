// Identifiers shared by the program's resource script and its code. Plain
// #defines, since the resource compiler reads this file too.
#pragma once

// Accelerator commands.
#define IDC_EDITOR_NEW 1000
#define IDC_EDITOR_OPEN 1001
#define IDC_EDITOR_SAVE 1002
#define IDC_EDITOR_NEXT_LEVEL 1058
#define IDC_EDITOR_PREVIOUS_LEVEL 1059
#define IDC_EDITOR_ADD_LEVEL 1091
#define IDC_SKIP_LEVEL 1058
#define IDC_RESTART_LEVEL 2001
#define IDC_SHOW_HELP 2002
#define IDC_NEXT_LEVEL_BUTTON 3000

// Main menu buttons.
#define IDC_NEW_GAME 1402
#define IDC_LEVEL_EDITOR 1403
#define IDC_QUIT 1404
#define IDC_OPTIONS 1405
#define IDC_GET_PUZZLES 1406

// Dialog controls.
#define IDC_SKIP_CODE_EDIT 1010
#define IDC_PUZZLE_LIST 1012
#define IDC_SOUND_SCROLL 1022
#define IDC_MUSIC_SCROLL 1023
#define IDC_SECRET 1029
// The chooser's note that no puzzle set is installed.
#define IDC_PUZZLE_NONE 1600

// The manifest that asks for version 6 of the common controls.
#define TRELUX_MANIFEST_ID 1
