#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// What the program does with the files it keeps (setting.ini, items.vkd and their
// folder), behind one interface: each system supplies its own, tests a fake. Failures
// are errno values, which every system maps its own codes onto.

// A regular file read front to back in pieces, so that a large one need not be held
// whole in memory.
class FileReader {
 public:
  virtual ~FileReader() = default;
  // The file's size when it was opened.
  virtual std::uint64_t Size() const = 0;
  // Reads up to `size` bytes into `into`; `*got` is 0 at the end. Returns 0 or errno's
  // value.
  virtual int Read(char* into, std::size_t size, std::size_t* got) = 0;
};

// An exclusive hold on the data folder itself, so that two instances never share one
// folder's files; given up when the object goes or the process ends.
class FolderHold {
 public:
  // Unsupported: the file system keeps no such locks; the folder is used without one.
  enum class Result { Acquired, HeldElsewhere, Unsupported };
  virtual ~FolderHold() = default;
  virtual Result Acquire(const std::string& folder) = 0;
  // False once the folder held no longer sits at `folder` (deleted or moved away).
  virtual bool IsAt(const std::string& folder) const = 0;
  // Gives up the folder that went away and holds the one now at `folder`.
  virtual Result Reacquire(const std::string& folder) = 0;
};

class Files {
 public:
  virtual ~Files() = default;

  // Opens the regular file at `path` for reading; returns 0, or errno's value. Anything
  // but a regular file fails (EISDIR for a folder, EINVAL otherwise): a pipe would block
  // the reader and a device might never end. A file larger than `maxBytes` fails with
  // EFBIG.
  virtual int OpenForReading(const std::string& path, std::size_t maxBytes,
                             std::unique_ptr<FileReader>* reader) = 0;

  // Replaces the file at `path` with `bytes` so that a crash or a full disk at any moment
  // leaves either the old file or the new one, whole: the bytes go to a new file beside
  // it, which then takes its name in one step. On failure the old file is untouched and
  // `error` names the file or folder that failed, followed by the system's text.
  virtual bool WriteAtomically(const std::string& path, std::string_view bytes,
                               std::string* error) = 0;
  // Removes what saves to `path` left behind when the process was killed halfway. Only
  // for the one writer of `path`.
  virtual void RemoveStaleTemporaries(const std::string& path) = 0;

  // Moves the file at `from` aside to `to` when nothing is at `to` yet; returns 0,
  // EEXIST when `to` is taken, or errno's value. Never replaces a file.
  virtual int RenameToFreeName(const std::string& from, const std::string& to) = 0;

  // True when anything is at `path`, a link to nothing included.
  virtual bool NameIsTaken(const std::string& path) = 0;
  // True for a folder, or a link to one.
  virtual bool IsFolder(const std::string& path) = 0;
  // The file a write to `path` replaces: `path` itself, or the end of the chain of links
  // starting there, whether or not that end exists.
  virtual std::string FinalLinkTarget(const std::string& path) = 0;
  // Where the chain of links starting at `path` ends, when it ends at nothing; empty
  // when `path` is no such link.
  virtual std::string DanglingLinkTarget(const std::string& path) = 0;

  // Makes `folder`, and every missing parent, for this user alone. On failure `error`
  // receives the system's text and the folder that could not be made.
  virtual bool MakeFolder(const std::string& folder, std::string* error) = 0;
  virtual std::unique_ptr<FolderHold> NewFolderHold() = 0;
};

// The files of the system the program runs on; its platform code supplies them.
Files& SystemFiles();
