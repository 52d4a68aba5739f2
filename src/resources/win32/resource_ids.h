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
// Ctrl+Z and Ctrl+Y on the play screen (Backspace undoes as a plain key).
#define IDC_UNDO_MOVE 2003
#define IDC_REDO_MOVE 2004
// Ctrl+G on the play screen: Go to Level, and its list.
#define IDC_GO_TO_LEVEL 2005
#define IDC_GO_TO_LIST 1602
// Ctrl+Plus and Ctrl+Minus on every screen: the window's zoom.
#define IDC_ZOOM_IN 2006
#define IDC_ZOOM_OUT 2007
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
// The chooser's lines on the selected set: levels won, completion code.
#define IDC_PUZZLE_RECORD 1601

// The level editor: the commands of its menu (New, Open, Save, Next,
// Previous and Add New Level are the accelerator commands above), the
// commands of its own keys F5 and F6, and the controls of its dialogs.
#define IDC_EDITOR_EXIT 1003
#define IDC_EDITOR_CLEAR 1006
#define IDC_EDITOR_RESIZE 1007
#define IDC_EDITOR_DESCRIPTION 1020
#define IDC_EDITOR_GO_TO_LEVEL 1080
#define IDC_EDITOR_DELETE_LEVEL 1092
#define IDC_EDITOR_DELETE_SET 1093
#define IDC_EDITOR_COMPLETION_CODE 1094
#define IDC_EDITOR_TEST_PLAY 1100
#define IDC_EDITOR_SOLVE 1101
#define IDC_EDITOR_FIELD 1010
#define IDC_DESCRIPTION_ON 1011
#define IDC_DESCRIPTION_OFF 1012
#define IDC_CODE_ON 1028
#define IDC_CODE_OFF 1029
#define IDC_RESIZE_WIDTH 1004
#define IDC_RESIZE_HEIGHT 1005
#define IDC_RESIZE_WIDTH_LABEL 1024
#define IDC_RESIZE_HEIGHT_LABEL 1025
#define IDC_SOLVE_STATUS 1102
// Additions around the editor's own menu: reordering levels, the
// description window on request, and Solve's answer with its keys. Undo and
// redo share the play screen's commands and keys (Ctrl+Z, Ctrl+Y).
#define IDC_EDITOR_DUPLICATE_LEVEL 1103
#define IDC_EDITOR_MOVE_EARLIER 1104
#define IDC_EDITOR_MOVE_LATER 1105
#define IDC_EDITOR_SHOW_DESCRIPTION 1106
#define IDC_SOLVE_REPORT 1107
#define IDC_SOLVE_KEYS 1108
#define IDC_SOLVE_COPY 1109

// The manifest that asks for version 6 of the common controls.
#define TRELUX_MANIFEST_ID 1

// The puzzle downloader: its list dialog, with the hidden lists beside the
// visible one, and the progress window's text and commands.
#define IDC_WEB_SET_LIST 1012
#define IDC_WEB_DOWNLOAD 1031
#define IDC_WEB_DATE_LIST 1032
#define IDC_WEB_PATH_LIST 1033
#define IDC_WEB_AUTHOR_LIST 1035
#define IDC_WEB_GUID_LIST 1036
// The selected set's author and date, under the buttons.
#define IDC_WEB_SET_INFO 1037
#define IDC_PROGRESS_TEXT 1033
#define IDC_PROGRESS_SET_TEXT 4001
#define IDC_PROGRESS_HIDE 4002
