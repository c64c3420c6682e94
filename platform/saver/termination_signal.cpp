#include "platform/saver/termination_signal.h"

#include <csignal>

namespace organsaver {

namespace {
volatile std::sig_atomic_t g_terminationReceived = 0;

extern "C" void OnTerminationSignal(int) { g_terminationReceived = 1; }
}  // namespace

void CatchTerminationSignalsOnce() {
  static bool installed = false;  // process-wide by nature, like the signal itself
  if (installed) return;
  installed = true;
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

bool TerminationSignalReceived() { return g_terminationReceived != 0; }

}  // namespace organsaver
