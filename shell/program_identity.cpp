#include "shell/program.h"

platform::ProgramIdentity OrganclockIdentity() {
  platform::ProgramIdentity identity;
  identity.name = "organclock";
  identity.displayName = "Organuhr";
  identity.locale = "de_DE";
  // Metric-compatible free fonts stand in for the Windows faces the program names.
  identity.fontStandIns = {
      {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
      {"Arial Black", {"Liberation Sans", "DejaVu Sans"}},
      {"Comic Sans MS", {"Comic Neue", "Liberation Sans"}},
      {"MS Shell Dlg 2", {"Liberation Sans", "DejaVu Sans"}},
  };
  // Liberation Sans, Arial's stand-in, has no black face; its heaviest weight is one.
  identity.heaviestCuts = {{"Arial Black", "Arial"}};
  // The organ text field keeps its caret all day.
  identity.restCaretWhenQuiet = true;
  return identity;
}
