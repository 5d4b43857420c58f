#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/message_box.h"
#include "store/collection_file.h"
#include "store/files.h"

// A text for the user and how it is shown.
struct CollectionNotice {
  std::string text;
  MessageIcon icon = MessageIcon::Warning;
};

// What a front end gives the file session: one timer, a clock and the tray's balloon.
class FileSessionHost {
 public:
  virtual ~FileSessionHost() = default;
  // Calls FileSession::OnTimer once, `milliseconds` from now, in place of any call still
  // due.
  virtual void StartTimer(int milliseconds) = 0;
  // Milliseconds on a clock that never goes back.
  virtual std::int64_t Now() const = 0;
  // Something the user should know while the system runs, told in a balloon.
  virtual void Notify(const std::string& title, const std::string& text) = 0;
  // The data folder was made again: whatever watches it for removal watches the new
  // one. A system whose held folder cannot go away has nothing to do.
  virtual void WatchFolder() {}
};

// setting.ini and items.vkd over one run of the program, the same on every system.
// Start: the folder is held, the collection read on a worker while the window is made,
// the settings read. Running: what changed is written a few seconds after the last
// change, and never later than kLongestWaitMilliseconds after the oldest change not yet
// saved, so that a crash loses little; a save that fails is told once in a balloon and
// tried again. Exit: both files written, 再試行 offered until they are saved or the user
// gives up. A file that could not be read is never replaced: this session's collection
// goes beside it, and only when the session changed something.
class FileSession {
 public:
  static constexpr int kDelayMilliseconds = 3000;
  static constexpr int kLongestWaitMilliseconds = 10000;
  static constexpr int kRetryMilliseconds = kLongestWaitMilliseconds;

  // Boxes: failures at exit in message boxes with 再試行; TimedBoxes: the same, closing
  // themselves after a while and also on standard error, for an exit nobody may watch;
  // StandardErrorOnly: nothing shown.
  enum class Reporting { Boxes, TimedBoxes, StandardErrorOnly };

  // `separator` joins `folder` and a file name.
  FileSession(Files& files, FileSessionHost& host, std::string folder, char separator);
  ~FileSession();
  FileSession(const FileSession&) = delete;
  FileSession& operator=(const FileSession&) = delete;

  // Holds the data folder and starts reading the collection on a worker (here, when no
  // thread can be had). False when another instance holds the folder: its files are not
  // ours to read or write.
  bool Claim();
  // Reads the settings into g_settings; from here on this session writes the files.
  // Returns a message for the user when the settings file is left as it is, else empty.
  std::string Open();
  // Waits for the worker and makes its collection g_data, on this thread and only here.
  // Returns what the user is told of the collection file: a warning when it could not
  // be used, news when an older file was read converted; empty text when nothing.
  CollectionNotice TakeCollection();
  // Once the window is made: what was read counts as written, and changes from now on
  // are saved after a delay.
  void StartRunning();

  // The event loop is about to wait: a change since the last look (re)starts the timer.
  void OnAboutToWait();
  void OnTimer();
  // Something changed in the data folder: when the folder itself went, it is made again
  // at once, so that no other start takes it while this session holds the collection.
  void OnFolderChanged();

  // Writes both files. `atExit`: the last write, which also says where a collection
  // saved aside went.
  void WriteFiles(Reporting reporting, bool atExit);
  // The collection goes, or the one still being read; g_data no longer points at it.
  void Close();

  std::string SettingsPath() const;
  std::string CollectionPath() const;
  const std::string& Folder() const { return m_folder; }

 private:
  // What was last written, or read at start: a write is skipped while it is current.
  struct Written {
    std::uint64_t collectionGeneration = 0;
    Settings settings;
    bool operator==(const Written&) const = default;
  };

  // What changed since the last write; a failure goes to standard error, and the first
  // of a run of them to a balloon. False when something could not be saved.
  bool SaveChanges();
  // Writes both files (`all`) or what changed; returns a message for each failure.
  std::vector<std::string> SaveFiles(bool all);
  bool HoldFolder(std::vector<std::string>* failures);
  bool SaveSettingsFile(std::string* message);
  bool SaveCollectionFile(std::string* message);
  // True when something changed since the last look.
  bool ChangedSinceLastLook();

  Files& m_files;
  FileSessionHost& m_host;
  std::string m_folder;
  char m_separator;
  std::unique_ptr<FolderHold> m_folderHold;
  std::future<CollectionLoadResult> m_loading;
  bool m_open = false;                // this session read the files and writes them
  bool m_settingsSaveAllowed = true;  // false for a file left alone at start
  std::string m_collectionSavePath;   // the collection file, or a new file beside it
  bool m_savesAside = false;          // the collection file is not to be replaced
  std::uint64_t m_loadedGeneration = 0;
  Written m_written;
  Written m_lastLook;
  bool m_mustWriteAll = false;               // the folder was made again: both files are gone
  bool m_saveFailing = false;                // the last save failed, and the user was told
  std::optional<std::int64_t> m_latestSave;  // by when what waits must be saved
  std::unique_ptr<VostekData> m_data;        // g_data points here while the system runs
};
