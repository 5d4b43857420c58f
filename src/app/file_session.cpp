#include "app/file_session.h"

#include <algorithm>
#include <utility>

#include "app/message_box.h"
#include "app/settings.h"
#include "resources/texts.h"
#include "store/fill_text.h"
#include "store/vostek_item.h"

namespace {

constexpr char kCollectionFileName[] = "items.vkd";
// How long a message of an exit nobody may be there to watch stays up.
constexpr int kUnattendedMessageSeconds = 5;

}  // namespace

FileSession::FileSession(Files& files, FileSessionHost& host, std::string folder, char separator)
    : m_files(files), m_host(host), m_folder(std::move(folder)), m_separator(separator) {}

FileSession::~FileSession() {
  Close();
}

std::string FileSession::SettingsPath() const {
  return m_folder + m_separator + kSettingsFileName;
}

std::string FileSession::CollectionPath() const {
  return m_folder + m_separator + kCollectionFileName;
}

bool FileSession::Claim() {
  m_folderHold = m_files.NewFolderHold();
  if (m_folderHold->Acquire(m_folder) == FolderHold::Result::HeldElsewhere) {
    return false;
  }
  // The toolkit, the window, its menus, the tray icon and the hot-key need no
  // collection: they are made while a worker reads the file, which a large collection
  // takes most of the start for.
  m_loading = std::async(std::launch::async | std::launch::deferred, &LoadCollectionWith,
                         std::ref(m_files), CollectionPath());
  return true;
}

std::string FileSession::Open() {
  m_open = true;
  // Only the holder of the folder writes here, so a temporary file beside ours is what
  // a killed save left behind.
  m_files.RemoveStaleTemporaries(SettingsPath());
  m_files.RemoveStaleTemporaries(CollectionPath());
  std::string settingsSetAside;
  g_settings = ReadSettings(m_files, SettingsPath(), &settingsSetAside);
  m_settingsSaveAllowed = settingsSetAside.empty();
  return m_settingsSaveAllowed
             ? std::string()
             : FillText(texts::kSettingsSetAside, SettingsPath(), settingsSetAside);
}

CollectionNotice FileSession::TakeCollection() {
  CollectionLoadResult loaded = m_loading.get();
  m_data = std::move(loaded.data);
  g_data = m_data.get();
  BumpNamesGeneration();  // whatever was derived from names before knows it is stale
  m_collectionSavePath = loaded.savePath;
  m_savesAside = loaded.SavesAside(CollectionPath());
  // An older file read converted and kept as it was is news, not trouble.
  return {std::move(loaded.message),
          loaded.keptAs.empty() ? MessageIcon::Warning : MessageIcon::None};
}

void FileSession::StartRunning() {
  m_loadedGeneration = ContentGeneration();
  m_written = {m_loadedGeneration, g_settings};
  m_lastLook = m_written;
}

void FileSession::Close() {
  if (m_loading.valid()) {
    m_loading.get();  // a collection never taken goes here, before its allocator does
  }
  if (m_data != nullptr && g_data == m_data.get()) {
    g_data = nullptr;
  }
  m_data.reset();
}

bool FileSession::ChangedSinceLastLook() {
  const Written now{ContentGeneration(), g_settings};
  return !(std::exchange(m_lastLook, now) == now);
}

void FileSession::OnAboutToWait() {
  if (!ChangedSinceLastLook()) {
    return;
  }
  const std::int64_t now = m_host.Now();
  if (!m_latestSave) {
    m_latestSave = now + kLongestWaitMilliseconds;
  }
  m_host.StartTimer(
      static_cast<int>(std::clamp<std::int64_t>(*m_latestSave - now, 0, kDelayMilliseconds)));
}

void FileSession::OnTimer() {
  m_latestSave.reset();
  if (!SaveChanges()) {
    // What failed is still unsaved: it waits no longer than the retry.
    m_latestSave = m_host.Now() + kRetryMilliseconds;
    m_host.StartTimer(kRetryMilliseconds);
  }
}

void FileSession::OnFolderChanged() {
  if (m_folderHold != nullptr && !m_folderHold->IsAt(m_folder)) {
    SaveChanges();
  }
}

bool FileSession::SaveSettingsFile(std::string* message) {
  std::string error;
  if (m_settingsSaveAllowed && !WriteSettings(m_files, SettingsPath(), g_settings, &error)) {
    *message = FillText(texts::kSettingsSaveFailed, SettingsPath(), error);
    return false;
  }
  m_written.settings = g_settings;
  return true;
}

bool FileSession::SaveCollectionFile(std::string* message) {
  std::string error;
  if (!::SaveCollectionFile(m_files, m_collectionSavePath, *m_data, &error) && !m_savesAside &&
      m_files.IsFolder(m_files.FinalLinkTarget(m_collectionSavePath))) {
    // Something put a folder where the file was: left alone, as at start.
    m_collectionSavePath = FreeUnsavedName(m_files, CollectionPath());
    m_savesAside = true;
    m_loadedGeneration = ~ContentGeneration();  // this session's collection is saved beside
    m_host.Notify(texts::kSaveFailedTitle,
                  FillText(texts::kCollectionNoLongerFile, CollectionPath(), m_collectionSavePath));
    error.clear();
    ::SaveCollectionFile(m_files, m_collectionSavePath, *m_data, &error);
  }
  if (!error.empty()) {
    *message = FillText(texts::kCollectionSaveFailed, m_collectionSavePath, error);
    return false;
  }
  m_written.collectionGeneration = ContentGeneration();
  return true;
}

bool FileSession::HoldFolder(std::vector<std::string>* failures) {
  if (m_folderHold == nullptr || m_folderHold->IsAt(m_folder)) {
    return true;
  }
  std::string error;
  if (!m_files.MakeFolder(m_folder, &error)) {
    failures->push_back(FillText(texts::kDataFolderLost, m_folder, error));
    return false;
  }
  if (m_folderHold->Reacquire(m_folder) == FolderHold::Result::HeldElsewhere) {
    // Another start took the new folder: its files are its own, ours go beside them.
    m_settingsSaveAllowed = false;
    if (!m_savesAside) {
      m_collectionSavePath = FreeUnsavedName(m_files, CollectionPath());
      m_savesAside = true;
    }
    m_loadedGeneration = ~ContentGeneration();
    m_host.Notify(texts::kSaveFailedTitle,
                  FillText(texts::kDataFolderTaken, m_folder, m_collectionSavePath));
    return true;
  }
  m_mustWriteAll = true;
  m_host.WatchFolder();
  m_host.Notify(texts::kAppTitle, FillText(texts::kDataFolderRemade, {m_folder}));
  return true;
}

std::vector<std::string> FileSession::SaveFiles(bool all) {
  std::vector<std::string> failures;
  if (!HoldFolder(&failures)) {
    return failures;
  }
  all = all || m_mustWriteAll;
  std::string message;
  if ((all || !(g_settings == m_written.settings)) && !SaveSettingsFile(&message)) {
    failures.push_back(message);
  }
  const std::uint64_t generation = ContentGeneration();
  // A file beside the collection file is made only for a session that changed something.
  if (m_data != nullptr && (all || generation != m_written.collectionGeneration) &&
      (!m_savesAside || generation != m_loadedGeneration) && !SaveCollectionFile(&message)) {
    failures.push_back(message);
  }
  if (failures.empty()) {
    m_mustWriteAll = false;
  }
  return failures;
}

void FileSession::WriteFiles(Reporting reporting, bool atExit) {
  if (!m_open) {  // only the session that read the files writes them
    return;
  }
  // Both files are written before anything is shown, so a message left open (or an
  // exit that closes it) cannot keep the second one from being saved.
  std::vector<std::string> failures = SaveFiles(/*all=*/true);
  if (reporting != Reporting::Boxes) {
    for (const std::string& failure : failures) {
      WriteMessageToStandardError(failure);
    }
  }
  // After a start that could not use the collection file, the exit says where it went.
  const auto savedAside = [this, atExit] {
    return atExit && m_savesAside && m_data != nullptr &&
           m_written.collectionGeneration == ContentGeneration() &&
           ContentGeneration() != m_loadedGeneration;
  };
  const std::string asideMessage =
      FillText(texts::kCollectionSavedAside, CollectionPath(), m_collectionSavePath);
  if (reporting != Reporting::Boxes && savedAside()) {
    WriteMessageToStandardError(asideMessage);
  }
  if (reporting == Reporting::StandardErrorOnly) {
    return;
  }
  const int previousLimit = MessageTimeLimit();
  if (reporting == Reporting::TimedBoxes) {
    SetMessageTimeLimit(kUnattendedMessageSeconds);
  }
  // Until both are saved or the user gives up: space freed on a full disk, or a folder
  // made writable again, then saves what would otherwise be lost.
  while (!failures.empty()) {
    std::string text;
    for (const std::string& failure : failures) {
      text += (text.empty() ? "" : "\n\n") + failure;
    }
    if (!ShowMessageBox(text + texts::kSaveFailedAtExit, MessageButtons::RetryCancel,
                        MessageIcon::Warning)) {
      break;
    }
    failures = SaveFiles(/*all=*/true);
  }
  if (savedAside()) {
    ShowMessageBox(asideMessage, MessageButtons::Ok, MessageIcon::Warning);
  }
  SetMessageTimeLimit(previousLimit);
}

bool FileSession::SaveChanges() {
  const std::vector<std::string> failures = SaveFiles(/*all=*/false);
  // Said once more, in a box, by the exit.
  std::string text;
  for (const std::string& failure : failures) {
    WriteMessageToStandardError(failure);
    text += failure + "\n";
  }
  if (failures.empty()) {
    m_saveFailing = false;
    return true;
  }
  if (!std::exchange(m_saveFailing, true)) {
    m_host.Notify(texts::kSaveFailedTitle, text + texts::kSaveFailedLater);
  }
  return false;
}
