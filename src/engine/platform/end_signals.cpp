#include "engine/platform/end_signals.h"

#include <csignal>
#include <cstdlib>

#include "engine/backends.h"

namespace vorantis {

namespace {

// The one mutable global of the program: a signal handler can do no more than set a
// flag. 0: no signal; a signal number: caught, not yet acted on; its negative: acted on.
volatile std::sig_atomic_t endSignal = 0;

extern "C" void NoteEndSignal(int signal) {
  endSignal = signal;
  // A second signal of the same kind ends the process at once, should shut-down hang.
  std::signal(signal, SIG_DFL);
}

constexpr int kEndSignals[] = {
    SIGINT,
    SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
};

}  // namespace

void CatchEndSignals() {
  // A signal the parent chose to ignore (nohup, a background job) stays ignored.
  for (int signal : kEndSignals)
    if (std::signal(signal, NoteEndSignal) == SIG_IGN) std::signal(signal, SIG_IGN);
}

void ThrowIfEndSignalled() {
  const int signal = endSignal;
  if (signal <= 0) return;
  endSignal = -signal;
  throw EndRequested{signal};
}

void FinishEndSignal() {
  const int caught = endSignal;
  const int signal = caught < 0 ? -caught : caught;
  if (signal == 0) return;
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  // Only where the signal's default action does not end the process.
  std::_Exit(128 + signal);
}

}  // namespace vorantis
