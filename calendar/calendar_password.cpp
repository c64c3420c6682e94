#include "calendar/calendar_password.h"

#include <qt6keychain/keychain.h>

#include <map>

namespace {

constexpr auto kService = "organclock";

std::map<QString, QString>& InMemory() {
  static std::map<QString, QString> passwords;
  return passwords;
}

int& WritesUnderWay() {
  static int writes = 0;
  return writes;
}

}  // namespace

QString CalendarPasswordKey(const QString& user, const QString& collection) {
  return user + '@' + collection;
}

void KeepCalendarPassword(const QString& key, const QString& password) {
  InMemory()[key] = password;
  auto* job = new QKeychain::WritePasswordJob(kService);
  job->setInsecureFallback(false);  // without a keyring the password stays in memory only
  job->setKey(key);
  job->setTextData(password);
  ++WritesUnderWay();
  QObject::connect(job, &QKeychain::Job::finished, [] { --WritesUnderWay(); });
  job->start();  // deletes itself when done; a missing keyring is no error here
}

void ForgetCalendarPassword(const QString& key) {
  InMemory().erase(key);
  auto* job = new QKeychain::DeletePasswordJob(kService);
  job->setKey(key);
  job->start();
}

void LookUpCalendarPassword(const QString& key, std::function<void(const QString&)> done) {
  if (const auto known = InMemory().find(key); known != InMemory().end()) {
    done(known->second);
    return;
  }
  auto* job = new QKeychain::ReadPasswordJob(kService);
  job->setKey(key);
  QObject::connect(job, &QKeychain::Job::finished, [key, done = std::move(done)](QKeychain::Job* finished) {
    const QString password = finished->error() == QKeychain::NoError
                                 ? static_cast<QKeychain::ReadPasswordJob*>(finished)->textData()
                                 : "";
    if (!password.isEmpty()) InMemory()[key] = password;
    done(password);
  });
  job->start();
}

bool CalendarPasswordBeingKept() { return WritesUnderWay() > 0; }
