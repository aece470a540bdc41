#include "app/game_state.h"

AppSettingsBlock AppSettings;
char KeyBuffer[KEY_BUFFER_SIZE];
int ScreenIndex = AskName;
AnswerSet Answers;
int BaseClientWidth;
int BaseClientHeight;
char ExeDirectory[EXE_DIRECTORY_SIZE];
bool ShowFpsOverlay;
bool SaveRequested;
PlatformWindow* MainWindow;
