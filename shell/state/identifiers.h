#pragma once
// The fixed numbers by which organclock addresses its windows, menus, controls,
// pictures, fonts, sounds, tray icon and commands.

// Windows.
constexpr int kMainWindow = 0;
constexpr int kSmallWindow = 1;
constexpr int kAppointmentWindow = 2;

// Menu bars.
constexpr int kMainMenu = 0;
constexpr int kSmallMenu = 1;

// Fonts.
constexpr int kFontLargeClock = 2;     // "Arial Black" 48, kPictureLargeClock
constexpr int kFontMainDate = 3;       // "Arial" 28, kCtlMainDate
constexpr int kFontOrganFrame = 4;     // "Arial" 14 bold, kCtlOrganFrame
constexpr int kFontMainPeriod = 5;     // "Arial" 12 bold, kCtlMainPeriod
constexpr int kFontSmallClock = 101;   // "Arial Black" 26, kPictureSmallClock
constexpr int kFontSmallDate = 102;    // "Arial Black" 14, kCtlSmallDate
constexpr int kFontSmallPeriod = 103;  // "Arial" 10 bold, kCtlSmallPeriod

// Pictures.
constexpr int kPictureDecoration = 0;
constexpr int kPictureFirstOrgan = 1;  // pictures 1-12: organ n
constexpr int kPictureReminderButton = 20;
constexpr int kPictureLargeClock = 100;
constexpr int kPictureSmallClock = 101;
constexpr int kPictureProgramIcon = 110;

// Sounds and the tray icon.
constexpr int kSoundReminder = 15;
constexpr int kSoundChime = 16;
constexpr int kTrayIcon = 21;

// Controls of the main window.
constexpr int kCtlMainDate = 1;
constexpr int kCtlOrganFrame = 2;
constexpr int kCtlOrganText = 3;
constexpr int kCtlDecoration = 4;
constexpr int kCtlCalendarFrame = 5;
constexpr int kCtlCalendar = 6;
constexpr int kCtlOrganPicture = 8;
constexpr int kCtlMainPeriod = 9;
constexpr int kCtlLargeClock = 14;
// Controls of the small window.
constexpr int kCtlSmallClock = 17;
constexpr int kCtlSmallDate = 19;
constexpr int kCtlSmallPeriod = 20;
// Controls of the appointment window.
constexpr int kCtlDateFrame = 22;
constexpr int kCtlDateField = 23;
constexpr int kCtlTimeFrame = 24;
constexpr int kCtlHourLabel = 25;
constexpr int kCtlMinuteLabel = 26;
constexpr int kCtlTextFrame = 27;
constexpr int kCtlReminderFrame = 28;
constexpr int kCtlOptionHour = 29;
constexpr int kCtlOptionDay = 30;
constexpr int kCtlOptionNone = 31;
constexpr int kCtlAppointmentText = 32;
constexpr int kCtlDayListFrame = 33;
constexpr int kCtlDayList = 34;
constexpr int kCtlHourBox = 35;
constexpr int kCtlMinuteBox = 36;

// Commands (menu items, toolbar buttons, the Return key of the appointment window).
constexpr int kCmdNewAppointment = 0;
constexpr int kCmdOpenAppointments = 1;
constexpr int kCmdExit = 4;
constexpr int kCmdViewAutomatic = 5;
constexpr int kCmdViewSmallPermanent = 6;
constexpr int kCmdInterval1 = 7;
constexpr int kCmdInterval3 = 8;
constexpr int kCmdInterval5 = 9;
constexpr int kCmdInterval10 = 10;
constexpr int kCmdInterval15 = 11;
constexpr int kCmdIntervalPermanent = 12;
constexpr int kCmdSmall = 13;
constexpr int kCmdReminderSound = 14;
constexpr int kCmdHide = 15;
constexpr int kCmdSaveOrganText = 17;
constexpr int kCmdCancelOrganText = 18;
constexpr int kCmdRestoreOrganText = 19;
constexpr int kCmdFirstOrganEdit = 20;  // 20-31: organs 1-12
constexpr int kCmdLastOrganEdit = 31;
constexpr int kCmdChimeGong = 32;
constexpr int kCmdChimeVesk = 33;
constexpr int kCmdChimeMp3 = 34;
constexpr int kCmdChimeOff = 35;
constexpr int kCmdHomePage = 36;
constexpr int kCmdInstitutePage = 37;
constexpr int kCmdInfo = 38;
constexpr int kCmdOpenMainWindow = 39;
constexpr int kCmdQuitFromSmall = 40;
constexpr int kCmdAlwaysOnTop = 41;
constexpr int kCmdToTray = 42;
constexpr int kCmdReturnKey = 43;
constexpr int kCmdToolNew = 44;
constexpr int kCmdToolOpen = 45;
constexpr int kCmdToolSave = 46;
constexpr int kCmdToolDelete = 47;
constexpr int kCmdToolLeave = 48;
constexpr int kCmdToolStopReminding = 49;
constexpr int kCmdImportAppointments = 50;  // "Importieren…"
constexpr int kCmdExportAppointments = 51;  // "Exportieren…"
constexpr int kCmdConnectCalendar = 52;     // "Kalender verbinden…"
constexpr int kCmdSyncCalendar = 53;        // "Jetzt abgleichen"

// The window "Kalender verbinden…" and its controls.
constexpr int kCalendarWindow = 3;
constexpr int kCtlCalendarAddress = 70;
constexpr int kCtlCalendarUser = 71;
constexpr int kCtlCalendarPassword = 72;
constexpr int kCtlCalendarChoice = 73;
constexpr int kCtlCalendarStatus = 74;
constexpr int kCtlCalendarConnect = 75;
constexpr int kCtlCalendarDisconnect = 76;
constexpr int kCtlCalendarCancel = 77;
