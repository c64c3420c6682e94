#pragma once
// The platform's object table: which Qt object stands behind which of the program's
// fixed numbers. Only platform/*.cpp include this.
#include <QAction>
#include <QButtonGroup>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QShortcut>
#include <QString>
#include <QWidget>

#include <deque>
#include <map>
#include <string>

#include "platform/cp1252.h"
#include "platform/types.h"

namespace platform {

struct WindowEntry {
  QPointer<QWidget> window;   // the top-level window
  QPointer<QWidget> client;   // parent of the controls (below the menu bar)
  QPointer<QWidget> toolbar;  // row of tool buttons
  QPointer<QButtonGroup> optionGroup;
};

struct MenuEntry {
  QPointer<QMenuBar> bar;
  std::vector<QPointer<QMenu>> stack;  // current drop-down and open sub-menus
  std::map<int, QPointer<QAction>> items;
};

struct ControlEntry {
  QPointer<QWidget> widget;
  int window = -1;
  int kind = 0;
  int picture = -1;  // last picture set on a picture control
};

WindowEntry* FindWindow(int window);
ControlEntry* FindControl(int control);
MenuEntry* FindMenu(int menu);
QAction* FindMenuItem(int menu, int item);

std::map<int, WindowEntry>& Windows();
std::map<int, ControlEntry>& Controls();
std::map<int, MenuEntry>& Menus();

// The entry under `id` whose Qt object (the member `object`) is still alive, or null:
// Qt may delete a window's children before the table hears of it.
template <typename Entry, typename Object>
Entry* FindLiveEntry(std::map<int, Entry>& table, int id, QPointer<Object> Entry::*object) {
  auto it = table.find(id);
  return it == table.end() || !(it->second.*object) ? nullptr : &it->second;
}
// Tool buttons by the command they deliver; Return-key shortcuts by their window.
std::map<int, QPointer<QAction>>& ToolActions();
std::multimap<int, QPointer<QShortcut>>& ReturnShortcuts();

// Pictures and fonts are read by a drawing thread of the program too, under the rules
// written in pictures.h.
QImage* FindPicture(int picture);
// Hands picture `picture` to a control without copying it: the image returned shares
// its pixels, and the drawer's next drawing goes into a second buffer, the one it handed
// over the time before. Should a control still show that one, the drawing gets a copy of
// its own, so a shown picture is never drawn over. Only the picture's drawer calls this;
// null for a missing picture.
QImage TakePictureForHandOver(int picture);
const QFont* FindFont(int font);
QIcon PictureIcon(int picture);
// Reads the picture file (or resource) at `path` as `format` and nothing else. Left to
// guess, the toolkit loads every picture plug-in it has, the SVG library with them, to
// ask each one, even when a format is named.
QImage ReadPictureFile(const QString& path, const char* format);
// Offers a plain widget holding tool buttons to screen readers as a toolbar.
void OfferAsToolBar(QWidget* widget);
// Offers a top-level window to screen readers as a frame named by its title.
void OfferAsWindow(QWidget* widget);
// Names the parts of a new control that show no text of their own (scroll bars, a
// calendar's arrows and year field) by the program's part names.
void NameControlParts(QWidget* control);

// Picture `picture` as a control on a screen of the given pixel ratio shows it: above
// 1.5 the twice-size drawing (ratio 2, so it takes the plain size's room), else the
// plain picture. Null for a missing picture.
QPixmap PictureForScreen(int picture, qreal devicePixelRatio);

// The widget behind control `control`, if it is of kind W.
template <typename W>
W* As(int control) {
  ControlEntry* e = FindControl(control);
  return e ? qobject_cast<W*>(e->widget.data()) : nullptr;
}

inline QString ToQt(const std::string& cp1252) { return QString::fromStdString(Utf8(cp1252)); }
inline std::string FromQt(const QString& s) { return Cp1252(s.toStdString()); }

// The events posted and not taken by the main loop yet, oldest first.
std::deque<Event>& EventQueue();
void PostEvent(const Event& event);
// Posts `event` unless one of its kind is still waiting in the queue.
void PostEventOnce(const Event& event);

}  // namespace platform
