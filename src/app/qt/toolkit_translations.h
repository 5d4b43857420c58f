#pragma once

#include <QTranslator>
#include <memory>

// The toolkit's own Japanese texts (standard buttons, the text editors' context menus),
// so that nothing the user sees is left in English. Installed while the returned
// translator lives; null when the translation files are not installed. The program's
// own texts are Japanese already and pass through unchanged.
std::unique_ptr<QTranslator> InstallToolkitTranslations();
