#pragma once
// Finds the calendars behind an address the user typed: the calendar itself, or a
// server from which the way leads over /.well-known/caldav, the current user's
// principal and the calendar home.
#include <QString>
#include <QUrl>
#include <functional>
#include <string>
#include <vector>

#include "calendar/dav_request.h"

struct FoundCalendar {
  QUrl url;  // of the collection, ending in '/'
  QString name;
};

// `done` gets the calendars found, or one German sentence on why there are none.
using CalendarsFound = std::function<void(const std::string& problem, const std::vector<FoundCalendar>&)>;
void FindCalendars(const QUrl& address, const DavLogin& login, CalendarsFound done);
