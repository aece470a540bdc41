// Resource ids, shared by the resource script and the code.
#pragma once

#define IDI_LORVAN 101
#define IDM_MAIN_MENU 201

#define IDM_FILE_EXIT 9001
#define IDM_HELP_ABOUT 9002
