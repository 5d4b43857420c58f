#include "platform/linux/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/linux/xdg_folders.h"

std::string DataFolderPath() {
  if (const char* chosen = std::getenv("VOSTEK_HOME"); chosen != nullptr && *chosen != '\0') {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(chosen, error);
    return error ? std::string() : absolute.lexically_normal().string();
  }
  const std::string base = XdgBaseFolder("XDG_DATA_HOME", ".local/share");
  return base.empty() ? std::string() : base + "/vostek";
}
