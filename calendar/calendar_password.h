#pragma once
// The calendar password: in the desktop's keyring (Secret Service) where there is one,
// and in memory for the rest of the run. Never in a file or a log.
#include <QString>
#include <functional>

// The key names the user and the calendar, so that two connections keep two passwords.
QString CalendarPasswordKey(const QString& user, const QString& collection);
void KeepCalendarPassword(const QString& key, const QString& password);
void ForgetCalendarPassword(const QString& key);
// From memory, else from the keyring; `done` gets an empty text when there is none.
void LookUpCalendarPassword(const QString& key, std::function<void(const QString&)> done);
// True while the keyring has not yet taken a password handed to it.
bool CalendarPasswordBeingKept();
