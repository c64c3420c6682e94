#include "calendar/calendar_commands.h"

#include "calendar/calendar_files.h"
#include "calendar/calendar_sync.h"
#include "calendar/connect_dialog.h"
#include "shell/state/identifiers.h"

namespace {

constexpr CommandEntry kEntries[] = {
    {kCmdImportAppointments, "&Importieren…", ImportCalendarFile},
    {kCmdExportAppointments, "&Exportieren…", ExportCalendarFile},
    {kCmdConnectCalendar, "&Kalender verbinden…", OpenCalendarDialog},
    {kCmdSyncCalendar, "&Jetzt abgleichen", SyncCalendarNow},
};

}  // namespace

const CommandTable kCalendarCommands = kEntries;
