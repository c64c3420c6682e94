#pragma once
// The three-way merge of the settings: what organclock last read or wrote (base), what
// it holds now (mine) and what konfig.set holds now (theirs). Field by field: a field
// that only theirs changed takes their value; otherwise mine stays (a field changed on
// both sides keeps the local choice).
#include "shell/state/settings.h"

Settings MergeSettings(const Settings& base, const Settings& mine, const Settings& theirs);
