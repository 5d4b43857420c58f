#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/qt/exit_signals.h"
#include "app/qt/qt_message_box.h"
#include "app/qt/toolkit_translations.h"
#include "app/qt/vostek_app.h"
#include "frame/qt/icons.h"
#include "frame/qt/main_frame.h"
#include "platform/linux/autostart.h"
#include "platform/linux/data_folder.h"
#include "platform/linux/display_platform.h"
#include "platform/linux/instance_contact.h"
#include "platform/linux/instance_lock.h"
#include "platform/linux/xdg_folders.h"
#include "resources/texts.h"
#include "store/fill_text.h"
#include "tray/qt/tray_icon.h"

namespace {

// Qt's own options, which QApplication takes out of the arguments; the desktop
// session restarts a program with -session.
const ToolkitOptions kQtOptions{
    {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "session", "style",
     "stylesheet", "qwindowgeometry", "qwindowicon", "qwindowtitle", "geometry", "title", "name"},
    {"reverse", "nograb", "dograb", "sync", "widgetcount"}};

constexpr char kNoTrayNotice[] =
    "vostek: no system tray is running, so the window is shown now; to bring it up again, "
    "start vostek again or bind `vostek --toggle` to a key in the desktop's settings\n";

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
int RunOption(const CommandLine& commandLine, MessageLanguage language, const char* argv0) {
  switch (commandLine.action) {
    case CommandAction::Run:
      return -1;
    case CommandAction::Help:
      std::fputs(HelpText(language).c_str(), stdout);
      return 0;
    case CommandAction::Version:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case CommandAction::Autostart: {
      std::string report;
      const bool done =
          SetAutostart(commandLine.autostartOn, ProgramPath(argv0), &report, language);
      std::fprintf(done ? stdout : stderr, "%s\n", report.c_str());
      return done ? 0 : 1;
    }
    case CommandAction::Show:
    case CommandAction::Toggle:
    case CommandAction::Hide:
      return -1;  // for the running instance, or for this one once it runs
    case CommandAction::Error:
      std::fprintf(stderr, "%s\n", commandLine.error.c_str());
      return 2;
  }
  return 2;
}

// The request for the running instance that the command line asks for, if any.
std::optional<InstanceRequest> InstanceRequestOf(CommandAction action) {
  switch (action) {
    case CommandAction::Show:
      return InstanceRequest::Show;
    case CommandAction::Toggle:
      return InstanceRequest::Toggle;
    case CommandAction::Hide:
      return InstanceRequest::Hide;
    default:
      return std::nullopt;
  }
}

// Hands the request (or, for a plain start, Show) to the instance that holds the lock.
// Returns the exit code.
int AskRunningInstanceInstead(const std::optional<InstanceRequest>& request,
                              const std::string& lockPath, const std::string& activationToken) {
  std::string error;
  const InstanceSendResult sent = AskRunningInstance(
      lockPath, request.value_or(InstanceRequest::Show), activationToken, &error);
  if (sent != InstanceSendResult::Done) {
    std::fprintf(stderr, "vostek: the running VOSTEK cannot be reached: %s\n", error.c_str());
  }
  // A plain second start ends as the second instance always has, with 1.
  return request && sent == InstanceSendResult::Done ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const MessageLanguage language = MessageLanguageOf(LocaleVariablesFromEnvironment());
  const CommandLine commandLine =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), kQtOptions, language);
  if (const int exitCode = RunOption(commandLine, language, argv[0]); exitCode >= 0) {
    return exitCode;
  }
  const std::string lockPath = DefaultInstanceLockPath();
  const std::string activationToken = ActivationTokenFromEnvironment();
  const std::optional<InstanceRequest> request = InstanceRequestOf(commandLine.action);
  // Whether an instance runs is the lock's to say: whatever sits at the socket's path,
  // a start that gets the lock is the one instance.
  const std::string folder = DataFolderPath();
  CvostekApp app(folder, lockPath);
  app.ClaimInstance();
  if (app.AnotherInstanceRuns()) {
    return AskRunningInstanceInstead(request, lockPath, activationToken);
  }
  if (request == InstanceRequest::Hide) {
    return 0;  // nothing runs, so nothing is shown
  }

  // From the claim on, an exit signal must reach the orderly end that writes the files.
  ExitSignals exitSignals;
  // The folder is made, and its files claimed, before the toolkit comes up: the
  // collection is then read while the toolkit starts.
  std::string folderError;
  const bool folderMade = !folder.empty() && MakePrivateFolder(folder, &folderError);
  if (folderMade) {
    app.ClaimFiles();
  }

  // Chosen for this program only: what it starts must keep the desktop's own choice.
  const std::string_view platform = PlatformForThisSession();
  if (!platform.empty()) {
    qputenv("QT_QPA_PLATFORM",
            QByteArray(platform.data(), static_cast<qsizetype>(platform.size())));
  }
  QApplication qtApp(argc, argv);
  if (!platform.empty()) {
    qunsetenv("QT_QPA_PLATFORM");
  }
  QApplication::setApplicationName(QString::fromUtf8(texts::kAppTitle));
  // Ties the windows to the installed menu entry (its icon and name in task lists).
  QGuiApplication::setDesktopFileName(QStringLiteral("vostek"));
  QApplication::setQuitOnLastWindowClosed(false);  // the window hides; the tray stays
  QApplication::setWindowIcon(ApplicationIcon());
  const auto toolkitTranslations = InstallToolkitTranslations();
  InstallQtMessageBoxes();
  exitSignals.Listen();

  // A folder that cannot be had ends the start with nothing written anywhere.
  if (!folderMade) {
    if (folder.empty()) {
      folderError = "$HOME is not set and the user has no home folder";
    }
    // A signal closes the message, as it closes any other.
    QObject::connect(&exitSignals, &ExitSignals::exitRequested, &qtApp,
                     [] { QCoreApplication::exit(1); });
    ShowMessageBox(FillText(texts::kDataFolderFailed, folder, folderError), MessageButtons::Ok,
                   MessageIcon::Warning);
    exitSignals.IgnoreAfterwards();
    return 1;
  }

  QObject::connect(&exitSignals, &ExitSignals::exitRequested, &app,
                   &CvostekApp::RequestUnattendedExit);

  if (app.InitInstance() && !app.IsExitRequested()) {
    // Without a tray nothing on screen leads to the window, so it is shown now.
    const bool noTray = !app.MainFrame()->Tray()->HasHost();
    if (noTray) {
      std::fputs(kNoTrayNotice, stderr);
    }
    // With a request, no instance ran, so this one shows its window as asked.
    if (request || noTray) {
      QMetaObject::invokeMethod(
          app.MainFrame(),
          [&app, activationToken] {
            app.MainFrame()->OnInstanceRequest({InstanceRequest::Show, activationToken});
          },
          Qt::QueuedConnection);
    }
    QApplication::exec();
  }
  const int exitCode = app.ExitInstance();
  exitSignals.IgnoreAfterwards();
  return exitCode;
}
