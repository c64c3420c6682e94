#include "calendar/sync_plan.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calendar/event_mapping.h"
#include "calendar/sync_state.h"
#include "tests/appointment_tests/appointment_test_support.h"

namespace {

const platform::Date kToday{2026, 12, 7};

std::string CountingUid() {
  static int n = 0;
  return "new-" + std::to_string(++n);
}

std::string Line(const Appointment& a) {
  return a.DateText + " " + std::to_string(a.Hour) + ":" + std::to_string(a.Minute) + " " +
         std::to_string(ReminderByte(a.ReminderKind)) + " " + a.Text;
}

std::vector<std::string> Lines(const AppointmentList& list) {
  std::vector<std::string> out;
  for (const Appointment& a : list) out.push_back(Line(a));
  std::sort(out.begin(), out.end());
  return out;
}

// A calendar collection that answers writes the way a server does: a write based on
// an old ETag is refused, every stored object gets a new ETag.
class FakeCalendar {
 public:
  void Put(const std::string& href, const std::string& ics) { objects_[href] = {href, NextEtag(), ics}; }
  void Remove(const std::string& href) { objects_.erase(href); }
  const std::string& Ics(const std::string& href) { return objects_.at(href).ics; }
  bool Has(const std::string& href) const { return objects_.count(href) > 0; }
  std::vector<SyncResource> Listing() const {
    std::vector<SyncResource> out;
    for (const auto& [href, object] : objects_) out.push_back(object);
    return out;
  }
  // Carries out the plan's writes; their ETags go into the plan's state as the
  // client does with the answers. False if a write was refused (412).
  bool Apply(SyncPlan& plan) {
    bool allTaken = true;
    for (const CalendarWrite& w : plan.writes) {
      const bool exists = Has(w.href);
      if ((w.ifMatch.empty() && exists) ||
          (!w.ifMatch.empty() && (!exists || objects_[w.href].etag != w.ifMatch))) {
        allTaken = false;
        continue;
      }
      if (w.kind == CalendarWrite::Kind::Delete) {
        Remove(w.href);
        continue;
      }
      Put(w.href, w.ics);
      for (SyncResource& r : plan.state.resources)
        if (r.href == w.href) r.etag = objects_[w.href].etag;
    }
    return allTaken;
  }

 private:
  std::string NextEtag() { return "\"" + std::to_string(++etags_) + "\""; }
  std::map<std::string, SyncResource> objects_;
  int etags_ = 0;
};

class SyncPlanTest : public ::testing::Test {
 protected:
  // A sync as the client runs it: plan, write, keep the state (through its file form).
  SyncPlan Sync() {
    SyncPlan plan = PlanSync(list, state, server.Listing(), kToday, CountingUid);
    writesRefused = !server.Apply(plan);
    list = plan.appointments;
    state = DecodeSyncState(EncodeSyncState(plan.state));
    return plan;
  }

  void PhoneAdds(const std::string& href, const Appointment& a, const std::string& extra = "") {
    std::string ics = CalendarOfAppointment(a, href + "-uid");
    if (!extra.empty()) ics.insert(ics.find("END:VEVENT"), extra);
    server.Put(href, ics);
  }

  void PhoneChanges(const std::string& href, const Appointment& now) {
    auto found = AppointmentsOfCalendar(server.Ics(href), kToday);
    ASSERT_EQ(found.size(), 1u);
    found[0].appointment = now;
    server.Put(href, EditedCalendar(server.Ics(href), found[0]));
  }

  AppointmentList list;
  SyncState state;
  FakeCalendar server;
  bool writesRefused = false;
};

const Appointment kDentist = Record("08.12.2026", 10, 0, 1, W("Zahnärztin"));
const Appointment kChoir = Record("09.12.2026", 19, 30, 0, "Chor");
const Appointment kCall = Record("10.12.2026", 8, 15, 2, "Telefonat");

TEST_F(SyncPlanTest, FirstSyncTiesWhatBothHoldAndSendsTheRestBothWays) {
  list = {kDentist, kChoir};
  PhoneAdds("dentist.ics", kDentist);
  PhoneAdds("call.ics", kCall);
  const SyncPlan plan = Sync();
  EXPECT_EQ(Lines(list), Lines({kDentist, kChoir, kCall}));
  ASSERT_EQ(plan.writes.size(), 1u);
  EXPECT_EQ(plan.writes[0].ifMatch, "");  // If-None-Match: *
  EXPECT_EQ(state.links.size(), 3u);
  EXPECT_EQ(server.Listing().size(), 3u);
  // Nothing changed: the next sync writes nothing.
  EXPECT_TRUE(Sync().writes.empty());
  EXPECT_EQ(Lines(list), Lines({kDentist, kChoir, kCall}));
}

TEST_F(SyncPlanTest, ChangesGoBothWaysAndKeepWhatTheProgramDoesNotShow) {
  PhoneAdds("dentist.ics", kDentist, "LOCATION:Praxis Lange\r\n");
  list = {kChoir};
  Sync();
  // Ours: the dentist's text; theirs: the choir moved to 20:00.
  for (Appointment& a : list)
    if (a.DateText == kDentist.DateText) a.Text = W("Zahnärztin, Karte mitnehmen");
  const std::string choirHref =
      state.links[1].href == "dentist.ics" ? state.links[0].href : state.links[1].href;
  Appointment movedChoir = kChoir;
  movedChoir.Hour = 20;
  PhoneChanges(choirHref, movedChoir);
  const SyncPlan plan = Sync();
  ASSERT_EQ(plan.writes.size(), 1u);
  EXPECT_EQ(plan.writes[0].href, "dentist.ics");
  EXPECT_FALSE(plan.writes[0].ifMatch.empty());
  EXPECT_FALSE(writesRefused);
  EXPECT_NE(server.Ics("dentist.ics").find("LOCATION:Praxis Lange"), std::string::npos);
  EXPECT_NE(server.Ics("dentist.ics").find("Karte mitnehmen"), std::string::npos);
  EXPECT_EQ(Lines(list),
            Lines({Record("08.12.2026", 10, 0, 1, W("Zahnärztin, Karte mitnehmen")), movedChoir}));
}

TEST_F(SyncPlanTest, BothChangedKeepsBothVersions) {
  list = {kChoir};
  Sync();
  const std::string href = state.links[0].href;
  list[0].Text = "Chor (Probe)";
  PhoneChanges(href, Record("09.12.2026", 19, 30, 0, "Chor (Konzert)"));
  Sync();
  EXPECT_FALSE(writesRefused);
  EXPECT_EQ(Lines(list), Lines({Record("09.12.2026", 19, 30, 0, "Chor (Probe)"),
                                Record("09.12.2026", 19, 30, 0, "Chor (Konzert)")}));
  EXPECT_EQ(server.Listing().size(), 2u);
  EXPECT_TRUE(Sync().writes.empty());
}

TEST_F(SyncPlanTest, AWriteBasedOnAnOldEtagIsRefusedAndTheNextSyncKeepsBoth) {
  list = {kChoir};
  Sync();
  const std::string href = state.links[0].href;
  list[0].Text = "Chor (Probe)";
  // The phone's change reaches the server after our listing, before our write.
  SyncPlan plan = PlanSync(list, state, server.Listing(), kToday, CountingUid);
  PhoneChanges(href, Record("09.12.2026", 19, 30, 0, "Chor (Konzert)"));
  EXPECT_FALSE(server.Apply(plan));
  EXPECT_NE(server.Ics(href).find("Konzert"), std::string::npos);
  Sync();
  EXPECT_EQ(Lines(list), Lines({Record("09.12.2026", 19, 30, 0, "Chor (Probe)"),
                                Record("09.12.2026", 19, 30, 0, "Chor (Konzert)")}));
}

TEST_F(SyncPlanTest, DeletionsGoBothWaysButPastAppointmentsStayOnTheServer) {
  list = {kDentist, kChoir, kCall, Record("07.12.2026", 7, 0, 0, "Heute")};
  Sync();
  ASSERT_EQ(server.Listing().size(), 4u);
  std::map<std::string, std::string> hrefOf;
  for (const SyncLink& l : state.links) hrefOf[l.synced.Text] = l.href;
  // The user deletes the choir; the phone deletes the call; the day passes and the
  // list drops today's appointment at the next start.
  list.erase(
      std::remove_if(list.begin(), list.end(), [](const Appointment& a) { return a.Text == "Chor"; }),
      list.end());
  server.Remove(hrefOf["Telefonat"]);
  SyncPlan plan = PlanSync(list, state, server.Listing(), kToday, CountingUid);
  ASSERT_EQ(plan.writes.size(), 1u);
  EXPECT_EQ(plan.writes[0].kind, CalendarWrite::Kind::Delete);
  EXPECT_EQ(plan.writes[0].href, hrefOf["Chor"]);
  EXPECT_FALSE(plan.writes[0].ifMatch.empty());
  server.Apply(plan);
  list = plan.appointments;
  state = plan.state;
  EXPECT_EQ(Lines(list), Lines({kDentist, Record("07.12.2026", 7, 0, 0, "Heute")}));

  list.erase(
      std::remove_if(list.begin(), list.end(), [](const Appointment& a) { return a.Text == "Heute"; }),
      list.end());
  plan = PlanSync(list, state, server.Listing(), {2026, 12, 8}, CountingUid);
  EXPECT_TRUE(plan.writes.empty());
  EXPECT_TRUE(server.Has(hrefOf["Heute"]));
}

TEST_F(SyncPlanTest, ADeletedOccurrenceIsExcludedAndTheSeriesStays) {
  server.Put("series.ics",
             "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\nBEGIN:VEVENT\r\nUID:s1\r\n"
             "DTSTAMP:20261201T000000Z\r\nDTSTART;TZID=Europe/"
             "Berlin:20261208T180000\r\nRRULE:FREQ=WEEKLY;COUNT=4\r\n"
             "SUMMARY:Kurs\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
  Sync();
  ASSERT_EQ(list.size(), 4u);
  list.erase(std::remove_if(list.begin(), list.end(),
                            [](const Appointment& a) { return a.DateText == "15.12.2026"; }),
             list.end());
  for (Appointment& a : list)
    if (a.DateText == "22.12.2026") a.Text = "Kurs (Raum 2)";
  const SyncPlan plan = Sync();
  ASSERT_EQ(plan.writes.size(), 1u);
  EXPECT_EQ(plan.writes[0].kind, CalendarWrite::Kind::Put);
  EXPECT_NE(server.Ics("series.ics").find("RRULE:FREQ=WEEKLY;COUNT=4"), std::string::npos);
  EXPECT_NE(server.Ics("series.ics").find("EXDATE;TZID=Europe/Berlin:20261215T180000"), std::string::npos);
  EXPECT_NE(server.Ics("series.ics").find("RECURRENCE-ID;TZID=Europe/Berlin:20261222T180000"),
            std::string::npos);
  AppointmentList onServer;
  for (const CalendarOccurrence& o : AppointmentsOfCalendar(server.Ics("series.ics"), kToday))
    onServer.push_back(o.appointment);
  const AppointmentList expected = {Record("08.12.2026", 18, 0, 0, "Kurs"),
                                    Record("22.12.2026", 18, 0, 0, "Kurs (Raum 2)"),
                                    Record("29.12.2026", 18, 0, 0, "Kurs")};
  EXPECT_EQ(Lines(onServer), Lines(expected));
  EXPECT_EQ(Lines(list), Lines(expected));
  EXPECT_TRUE(Sync().writes.empty());
}

}  // namespace
