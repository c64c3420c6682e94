#include "platform/application.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>
#include <cstdlib>

#include "platform/built_in_style_pictures.h"
#include "platform/caret_rest.h"
#include "platform/events.h"
#include "platform/font_set_up.h"
#include "platform/object_table.h"
#include "platform/program_identity.h"

namespace platform {
namespace {

QApplication* g_app = nullptr;
volatile std::sig_atomic_t g_terminate = 0;
int g_signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
  g_terminate = 1;
  // Wakes the window system even inside a modal box (self-pipe: only async-safe calls).
  if (g_signalPipe[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_signalPipe[1], &byte, 1);
  }
}

// A modal box or dialog would keep the main loop from ever seeing the request; close
// them so that the program ends in order with everything written.
void CloseModalWindows() {
  char buffer[64];
  while (read(g_signalPipe[0], buffer, sizeof buffer) > 0) {
  }
  for (int i = 0; i < 16; ++i) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) break;
    modal->close();
  }
}

void WatchTerminationSignals() {
  if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, g_app);
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
      CloseModalWindows();
      WakeMainLoop();  // the main loop ends the program in order at once
    });
  }
  struct sigaction sa {};
  sa.sa_handler = OnTerminationSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);
}

void PreferX11OnWayland() {
  if (std::getenv("QT_QPA_PLATFORM")) return;
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* x11 = std::getenv("DISPLAY");
  if (wayland && *wayland && x11 && *x11) setenv("QT_QPA_PLATFORM", "xcb", 1);
}

// Shared-memory image transfer makes the X server send a completion event for every
// repaint, which wakes two threads each second for a few small clock pictures.
void PreferPlainImageTransfer() {
  if (!std::getenv("QT_XCB_NO_MITSHM")) setenv("QT_XCB_NO_MITSHM", "1", 1);
}

ProgramIdentity& Identity() {
  static ProgramIdentity identity;
  return identity;
}

void InstallFontStandIns(const std::vector<FontStandIn>& standIns) {
  for (const FontStandIn& standIn : standIns) {
    QStringList families;
    for (const std::string& family : standIn.families) families << ToQt(family);
    QFont::insertSubstitutions(ToQt(standIn.face), families);
  }
}

// The toolkit's own texts (dialog buttons, context menus) in the program's language.
void LoadToolkitTranslations(QApplication& app, const QLocale& locale) {
  static QTranslator qtbase;
  const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (qtbase.load(locale, "qtbase", "_", dir)) app.installTranslator(&qtbase);
}

}  // namespace

const ProgramIdentity& CurrentProgramIdentity() { return Identity(); }

void InitPlatform(int& argc, char** argv, const ProgramIdentity& identity) {
  if (g_app) return;
  // First of all: it runs on beside the rest of start-up.
  BeginFontSetUp();
  Identity() = identity;
  PreferX11OnWayland();
  PreferPlainImageTransfer();
  const QLocale locale(QString::fromStdString(identity.locale));
  QLocale::setDefault(locale);
  g_app = new QApplication(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setApplicationName(QString::fromStdString(identity.name));
  UseBuiltInStylePictures();
  LoadToolkitTranslations(*g_app, locale);
  InstallFontStandIns(identity.fontStandIns);
  WatchTerminationSignals();
  if (identity.caretRest.count() > 0) InstallCaretRest();
  QObject::connect(g_app, &QGuiApplication::commitDataRequest, [] {
    g_terminate = 1;
    WakeMainLoop();
  });
}

bool IsPlatformReady() { return g_app != nullptr; }

bool TerminationRequested() { return g_terminate != 0; }

void ClearTerminationRequest() { g_terminate = 0; }

void RequestTermination() { g_terminate = 1; }

}  // namespace platform

#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/tray.h"
#include "platform/windows.h"

namespace platform {

void ReleaseAllObjects() {
  RemoveAllTrayIcons();
  std::vector<int> windows;
  for (const auto& [id, entry] : Windows()) windows.push_back(id);
  for (int id : windows) DestroyWindow(id);
  Menus().clear();
  ClearEvents();
  FreeAllPictures();
  FreeAllFonts();
}

}  // namespace platform
