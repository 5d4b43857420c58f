#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/qt/exit_signals.h"
#include "app/qt/qt_message_box.h"
#include "app/qt/toolkit_translations.h"
#include "app/qt/vostek_app.h"
#include "frame/icons.h"
#include "platform/linux/autostart.h"
#include "platform/linux/data_folder.h"
#include "platform/linux/instance_lock.h"
#include "platform/linux/xdg_folders.h"
#include "resources/texts.h"
#include "store/fill_text.h"

namespace {

// Qt's own options, which QApplication takes out of the arguments; the desktop
// session restarts a program with -session.
const ToolkitOptions kQtOptions{
    {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "session", "style",
     "stylesheet", "qwindowgeometry", "qwindowicon", "qwindowtitle", "geometry", "title", "name"},
    {"reverse", "nograb", "dograb", "sync", "widgetcount"}};

// The running program's own file, for the autostart entry to start it again.
std::string ProgramPath(const char* argv0) {
  std::vector<char> buffer(4096);
  const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length > 0 && static_cast<std::size_t>(length) < buffer.size()) {
    return std::string(buffer.data(), static_cast<std::size_t>(length));
  }
  return argv0;
}

// Options that end before anything of the desktop is touched: no display, no lock, no
// data folder. Returns the exit code, or -1 to go on and run.
int RunOption(const CommandLine& commandLine, const char* argv0) {
  switch (commandLine.action) {
    case CommandAction::Run:
      return -1;
    case CommandAction::Help:
      std::fputs(HelpText().c_str(), stdout);
      return 0;
    case CommandAction::Version:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case CommandAction::Autostart: {
      std::string report;
      const bool done = SetAutostart(commandLine.autostartOn, ProgramPath(argv0), &report);
      std::fprintf(done ? stdout : stderr, "%s\n", report.c_str());
      return done ? 0 : 1;
    }
    case CommandAction::Show:
    case CommandAction::Toggle:
    case CommandAction::Hide:
      std::fputs("vostek: --show, --toggle and --hide cannot reach a running VOSTEK yet\n", stderr);
      return 2;
    case CommandAction::Error:
      std::fprintf(stderr, "%s\n", commandLine.error.c_str());
      return 2;
  }
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  const CommandLine commandLine =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), kQtOptions);
  if (const int exitCode = RunOption(commandLine, argv[0]); exitCode >= 0) {
    return exitCode;
  }

  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(texts::kAppTitle));
  // Ties the windows to the installed menu entry (its icon and name in task lists).
  QGuiApplication::setDesktopFileName(QStringLiteral("vostek"));
  QApplication::setQuitOnLastWindowClosed(false);  // the window hides; the tray stays
  QApplication::setWindowIcon(ApplicationIcon());
  const auto toolkitTranslations = InstallToolkitTranslations();
  InstallQtMessageBoxes();

  ExitSignals exitSignals;
  // Made before the lock is taken: a folder that cannot be had ends the start with
  // nothing written anywhere.
  const std::string folder = DataFolderPath();
  if (std::string error; folder.empty() || !MakePrivateFolder(folder, &error)) {
    if (folder.empty()) {
      error = "$HOME is not set and the user has no home folder";
    }
    // A signal closes the message, as it closes any other.
    QObject::connect(&exitSignals, &ExitSignals::exitRequested, &qtApp,
                     [] { QCoreApplication::exit(1); });
    ShowMessageBox(FillText(texts::kDataFolderFailed, folder, error), MessageButtons::Ok,
                   MessageIcon::Warning);
    exitSignals.IgnoreAfterwards();
    return 1;
  }

  CvostekApp app(folder, DefaultInstanceLockPath());
  QObject::connect(&exitSignals, &ExitSignals::exitRequested, &app, &CvostekApp::RequestExit);

  if (app.InitInstance() && !app.IsExitRequested()) {
    QApplication::exec();
  }
  const int exitCode = app.ExitInstance();
  exitSignals.IgnoreAfterwards();
  return exitCode;
}
