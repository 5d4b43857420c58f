#include "frame/main_frame.h"

#include "app/globals.h"
#include "resources/texts.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8(texts::kTemplateTitle));
  resize(g_settings.width, g_settings.height);
}
