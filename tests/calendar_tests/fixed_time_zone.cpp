// Every calendar test runs in one time zone with summer time, whatever the machine's.
#include <cstdlib>
#include <ctime>

namespace {

const bool kInBerlin = [] {
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  return true;
}();

}  // namespace
