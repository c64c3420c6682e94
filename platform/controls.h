#pragma once
// Child controls of the windows, addressed by their fixed numbers. Setting a control's
// content from the program never reports a control event; only the user's input does.
#include <string>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace platform {

enum class ControlKind {
  Label,          // text, left-aligned
  CentredLabel,   // text, centred
  RightLabel,     // text, right-aligned
  Frame,          // group frame; the text is its caption (may be empty)
  Picture,        // shows a picture
  RichText,       // multi-line text field with scroll bars; Return inserts a line break.
                  // Its text has LF between lines (CR LF or CR are taken as well).
  MonthCalendar,  // month calendar with bold days
  DateField,      // date in dd.mm.yyyy form with a drop-down calendar
  DropDownList,   // non-editable drop-down list
  OptionButton,   // option (radio) button; all of one window form one group
  LineEdit,       // one-line text field
  ReportList,     // list with columns, grid lines, whole-row selection, one row at a time
};

// Creates control `control` in window `window` at client position (x, y) with size
// width x height. False if the window does not exist.
bool CreateControl(int window, int control, ControlKind kind, int x, int y, int width, int height,
                   const std::string& text = {});

void SetControlFont(int control, int font);
void SetControlText(int control, const std::string& text);
std::string ControlText(int control);
void SetControlTextColour(int control, Rgb colour);
Rgb ControlTextColour(int control);
// A background colour comes with the text colour that reads on it; the desktop's own
// text colour may be meant for a dark background.
void SetControlColours(int control, Rgb background, Rgb text);
void EnableControl(int control, bool enabled);
void SetControlTooltip(int control, const std::string& text);
// A text field that can be read, selected and copied (by mouse and keyboard) but not
// changed.
void SetControlReadOnly(int control, bool readOnly);
// Gives the control the keyboard focus, now or when its window is next shown.
void FocusControl(int control);

// Picture controls. SetControlPicture runs on the main thread; HandPictureToControl may
// be called from any thread: it copies the picture and shows it in the control on the
// main thread, if the control exists by then, at the picture's device pixel ratio. A
// non-empty `accessibleName` becomes the control's name there, if it differs.
void SetControlPicture(int control, int picture);
void HandPictureToControl(int control, int picture, const std::string& accessibleName = {});
// The same for several (control, picture) pairs at once, shown together, all with the
// same accessible name.
void HandPicturesToControls(const std::vector<std::pair<int, int>>& controlsAndPictures,
                            const std::string& accessibleName = {});

// Drop-down lists.
void ClearListItems(int control);
void AddListItem(int control, const std::string& text);
int ListItemCount(int control);
std::string ListItemText(int control, int index);
void SelectListItem(int control, int index);  // -1: none
int SelectedListItem(int control);            // -1: none

// Option buttons.
void SetOptionChecked(int control, bool checked);
bool IsOptionChecked(int control);

// Date field.
void SetDateFieldDate(int control, Date date);
void SetDateFieldMinimum(int control, Date date);

// Month calendar.
void SetCalendarDayBold(int control, Date date, bool bold);
bool IsCalendarDayBold(int control, Date date);
Date CalendarSelectedDay(int control);
void SetCalendarSelectedDay(int control, Date date);

// Report list.
void AddReportColumn(int control, const std::string& title, int width);
void ClearReportRows(int control);
void AddReportRow(int control, const std::vector<std::string>& cells);
int ReportRowCount(int control);
std::string ReportCell(int control, int row, int column);
int SelectedReportRow(int control);          // -1: none
void SelectReportRow(int control, int row);  // -1: deselect

}  // namespace platform
