#include <QApplication>
#include <filesystem>
#include <system_error>

#include "app/qt/exit_signals.h"
#include "app/qt/qt_message_box.h"
#include "app/qt/toolkit_translations.h"
#include "app/qt/vostek_app.h"
#include "frame/icons.h"
#include "platform/linux/instance_lock.h"
#include "resources/texts.h"

namespace {

// The folder of setting.ini and items.vkd, taken once at start so that the files are
// written back where they were read even if the current directory changes meanwhile.
std::string DataFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::string(".") : folder.string();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(texts::kAppTitle));
  QApplication::setQuitOnLastWindowClosed(false);  // the window hides; the tray stays
  QApplication::setWindowIcon(ApplicationIcon());
  const auto toolkitTranslations = InstallToolkitTranslations();
  InstallQtMessageBoxes();

  CvostekApp app(DataFolder(), DefaultInstanceLockPath());
  ExitSignals exitSignals;
  QObject::connect(&exitSignals, &ExitSignals::exitRequested, &app, &CvostekApp::RequestExit);

  if (app.InitInstance() && !app.IsExitRequested()) {
    QApplication::exec();
  }
  const int exitCode = app.ExitInstance();
  exitSignals.IgnoreAfterwards();
  return exitCode;
}
