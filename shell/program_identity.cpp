#include "platform/cp1252.h"
#include "resources/resource_names.h"
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
  // The windows were laid out for the Windows dialog font, 8 points at 96 dots per inch.
  identity.controlFont = {"MS Shell Dlg 2", 11};
  identity.partNames = {.previousMonth = "Voriger Monat",
                        .nextMonth = platform::Cp1252("Nächster Monat"),
                        .year = "Jahr",
                        .verticalScrollBar = "Vertikale Bildlaufleiste",
                        .horizontalScrollBar = "Horizontale Bildlaufleiste"};
  identity.dateMask = "dd.MM.yyyy";
  // The organ text field keeps its caret all day.
  identity.caretRest = std::chrono::seconds(10);
  identity.embeddedPictures = {.plain = EmbeddedPictureName,
                               .iconSizes = EmbeddedIconSizeNames,
                               .twiceSize = EmbeddedTwiceSizePictureName};
  return identity;
}
