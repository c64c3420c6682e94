// The three-way merge of appointment lists, case by case.
#include <gtest/gtest.h>

#include "appointments/appointment_merge.h"
#include "tests/appointment_tests/appointment_test_support.h"

namespace {

const Appointment kDentist = Record("09.12.2026", 10, 0, 1, "Zahnarzt");
const Appointment kDentistLater = Record("09.12.2026", 11, 0, 1, "Zahnarzt");
const Appointment kDentistNoReminder = Record("09.12.2026", 10, 0, 0, "Zahnarzt");
const Appointment kPost = Record("10.12.2026", 8, 30, 0, "Post");
const Appointment kHairdresser = Record("11.12.2026", 15, 0, 2, "Friseur");
const Appointment kGym = Record("12.12.2026", 18, 0, 0, "Sport");

struct MergeCase {
  const char* name;
  AppointmentList base, mine, theirs, merged;
};

class MergeTest : public ::testing::TestWithParam<MergeCase> {};

std::vector<std::string> Texts(const AppointmentList& list) {
  std::vector<std::string> out;
  for (const Appointment& a : list)
    out.push_back(a.DateText + " " + std::to_string(a.Hour) + ":" + std::to_string(a.Minute) + " " +
                  std::to_string(ReminderByte(a.ReminderKind)) + " " + a.Text);
  return out;
}

TEST_P(MergeTest, KeepsWhatEitherSideWrote) {
  const MergeCase& c = GetParam();
  EXPECT_EQ(Texts(MergeAppointments(c.base, c.mine, c.theirs)), Texts(c.merged));
  // Which side is which changes nothing but the order.
  AppointmentList swapped = MergeAppointments(c.base, c.theirs, c.mine);
  AppointmentList merged = c.merged;
  auto sorted = [](AppointmentList l) {
    std::vector<std::string> t = Texts(l);
    std::sort(t.begin(), t.end());
    return t;
  };
  EXPECT_EQ(sorted(swapped), sorted(merged));
}

INSTANTIATE_TEST_SUITE_P(
    TermDat, MergeTest,
    ::testing::Values(
        MergeCase{
            "NothingChanged", {kDentist, kPost}, {kDentist, kPost}, {kDentist, kPost}, {kDentist, kPost}},
        MergeCase{
            "AddedOnEachSide", {kDentist}, {kDentist, kPost}, {kDentist, kGym}, {kDentist, kPost, kGym}},
        MergeCase{"AddedTheSameOnBothSidesIsKeptOnce", {}, {kPost}, {kPost}, {kPost}},
        MergeCase{"DeletedHere", {kDentist, kPost}, {kPost}, {kDentist, kPost}, {kPost}},
        MergeCase{"DeletedThere", {kDentist, kPost}, {kDentist, kPost}, {kPost}, {kPost}},
        MergeCase{"DeletedOnBothSides", {kDentist, kPost}, {kPost}, {kPost}, {kPost}},
        MergeCase{"AddedHereDeletedThere", {kDentist}, {kDentist, kGym}, {}, {kGym}},
        MergeCase{"ChangedThere",
                  {kDentist, kPost},
                  {kDentist, kPost},
                  {kDentistLater, kPost},
                  {kPost, kDentistLater}},
        MergeCase{"ChangedDifferentlyOnBothSidesKeepsBoth",
                  {kDentist},
                  {kDentistLater},
                  {kDentistNoReminder},
                  {kDentistLater, kDentistNoReminder}},
        MergeCase{"ChangedTheSameOnBothSides",
                  {kDentist, kPost},
                  {kDentistLater, kPost},
                  {kDentistLater, kPost},
                  {kDentistLater, kPost}},
        MergeCase{"DeletedHereChangedThereKeepsTheChange",
                  {kDentist, kPost},
                  {kPost},
                  {kDentistLater, kPost},
                  {kPost, kDentistLater}},
        MergeCase{"DuplicateAddedThere", {kPost}, {kPost}, {kPost, kPost}, {kPost, kPost}},
        MergeCase{"OneOfTwoDuplicatesDeletedHere", {kPost, kPost}, {kPost}, {kPost, kPost}, {kPost}},
        MergeCase{"DuplicatesChangedOnBothSidesKeepTheLarger",
                  {kPost, kPost},
                  {kPost},
                  {kPost, kPost, kPost},
                  {kPost, kPost, kPost}},
        MergeCase{"FileEmptiedThereWhileHereAdded",
                  {kDentist, kPost},
                  {kDentist, kPost, kHairdresser},
                  {},
                  {kHairdresser}},
        MergeCase{"ReorderedIsNoChange",
                  {kDentist, kPost},
                  {kPost, kDentist},
                  {kDentist, kPost, kGym},
                  {kPost, kDentist, kGym}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
