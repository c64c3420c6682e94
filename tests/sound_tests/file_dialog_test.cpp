// The real file-open dialog on the offscreen platform, driven by a timer inside its
// modal loop.
#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <utility>

#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "tests/support/program_fixture.h"

// Last: Xlib's macros would clash with the headers above.
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// The X11 property `name` of the window, as the window manager reads it.
std::string X11WindowName(QWidget& window, const char* name) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return "no X11 display";
  unsigned char* data = nullptr;
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  const int status =
      XGetWindowProperty(display, static_cast<::Window>(window.winId()), XInternAtom(display, name, False),
                         0, 1024, False, AnyPropertyType, &type, &format, &count, &after, &data);
  std::string value =
      status == Success && data ? std::string(reinterpret_cast<char*>(data), count) : "unset";
  // A plain STRING is Latin-1; the others carry UTF-8 for every title here.
  if (type == XA_STRING)
    value = QString::fromLatin1(value.data(), static_cast<int>(value.size())).toStdString();
  if (data) XFree(data);
  return value;
}

class RealFileDialogTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    platform::SetFileDialogResponder({});  // the real dialog
  }
  // Runs `act` on the dialog once it is up; a dialog that never shows is rejected so
  // that the test cannot hang.
  static void WhenDialogShows(std::function<void(QFileDialog&)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act = std::move(act)] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (dialog && dialog->isVisible()) {
          timer->stop();
          timer->deleteLater();
          act(*dialog);
          return;
        }
      }
      if (++*tries > 500) {
        timer->stop();
        timer->deleteLater();
        ADD_FAILURE() << "the file dialog never showed";
      }
    });
    timer->start(10);
  }
};

TEST_F(RealFileDialogTest, ChoosingElsewhereLeavesTheWorkingDirectoryAlone) {
  const std::filesystem::path elsewhere = Dir() / "Andere Klänge";
  std::filesystem::create_directory(elsewhere);
  const std::filesystem::path before = std::filesystem::current_path();
  WhenDialogShows([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.selectedNameFilter(), "Alle unterstützten Formate (*.mp3 *.wav)");
    dialog.setDirectory(QString::fromStdString(elsewhere.string()));
    dialog.selectFile(QString::fromStdString((elsewhere / "neu.mp3").string()));
    static_cast<QDialog&>(dialog).accept();  // QFileDialog's own accept is protected
  });
  platform::FileDialogRequest request;
  request.filters = W("MP3|*.mp3|Wave|*.wav|Alle unterstützten Formate|*.mp3;*.wav");
  request.selectedFilter = 2;
  request.startFolder = platform::Cp1252(Dir().string());
  const std::string chosen = platform::ShowOpenFileDialog(request);
  EXPECT_EQ(chosen, platform::Cp1252((elsewhere / "neu.mp3").string())) << "a file that need not exist yet";
  EXPECT_EQ(std::filesystem::current_path(), before);
}

// Under X11 (the test once more on a private X server) also the title bar the window
// manager draws, from the window's name properties.
TEST_F(RealFileDialogTest, ShowsTheTitleItIsGivenAndNoneOfItsOwn) {
  for (const std::string& title : {std::string(W("Klang wählen")), std::string()}) {
    const std::string utf8 = platform::Utf8(title);
    QString shown = "not shown";
    WhenDialogShows([&](QFileDialog& dialog) {
      shown = dialog.windowTitle();
      if (QGuiApplication::platformName() == "xcb") {
        EXPECT_EQ(X11WindowName(dialog, "_NET_WM_NAME"), utf8);
        EXPECT_EQ(X11WindowName(dialog, "WM_NAME"), utf8);
      }
      dialog.reject();
    });
    platform::FileDialogRequest request;
    request.title = title;
    request.filters = W("MP3|*.mp3|Wave|*.wav");
    platform::ShowOpenFileDialog(request);
    EXPECT_EQ(shown, QString::fromStdString(utf8));
  }
}

TEST_F(RealFileDialogTest, CancelGivesAnEmptyText) {
  WhenDialogShows([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(platform::ShowOpenFileDialog({}), "");
}

}  // namespace
