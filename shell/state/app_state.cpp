#include "shell/state/app_state.h"

namespace {
AppState g_state;
}

AppState& App() { return g_state; }

bool IsBusy() { return IsEntering(g_state.editor) || g_state.editedOrgan != 0; }

void ResetAppState() { g_state = AppState{}; }
