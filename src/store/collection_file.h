#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "store/vostek_data.h"

class ArchiveReader;
class Files;

// items.vkd: the whole collection, read at start and written back while it changes and
// at exit.

enum class CollectionStatus {
  Loaded,      // read to its end
  Missing,     // no file yet: the default collection
  Damaged,     // could not be read to its end: moved aside (or left) and kept
  Unreadable,  // exists but could not be opened or read: left untouched
  Dangling,    // a symbolic link to nothing: the link stays; saving makes its target
  Converted,   // read to its end, its texts from code page 932: kept as found, or left
};

struct CollectionLoadResult {
  std::unique_ptr<VostekData> data;  // always usable: at least one group
  CollectionStatus status = CollectionStatus::Missing;
  std::string movedTo;  // Damaged: the file's new name; empty when it could not move
  std::string message;  // for the user when the file was not Loaded or Missing
  // Converted: where the file as found was kept before any save rewrites it; empty when
  // it could not be, and `message` says why.
  std::string keptAs;
  // Where this session's collection is saved: the path itself (through a link), or,
  // when a file we could not read still sits there (saving over it would destroy the
  // user's only copy) or a link points into a missing folder, a new file beside it.
  std::string savePath;
  bool SavesAside(const std::string& path) const { return savePath != path; }
};

// Reads the collection at `path`. Never throws for a bad file and never loses one:
// a damaged file is renamed to "<path>.broken" (".broken.1", ".broken.2", ... when
// that exists); the caller shows `message` and carries on with the default collection.
// A file saved aside is "<path>.unsaved" (".unsaved.1", ... when that exists). Older
// files, their texts in code page 932, are read converted (code_page_932_collection.h).
CollectionLoadResult LoadCollectionWith(Files& files, const std::string& path);
// The same with the system's own files.
CollectionLoadResult LoadCollectionFile(const std::string& path);

// The first of `base`, "<base>.1", "<base>.2", ... that names nothing yet.
std::string FirstFreeName(Files& files, const std::string& base);
// The first free "<path>.unsaved", "<path>.unsaved.1", ...
std::string FreeUnsavedName(Files& files, const std::string& path);

// Replaces the file at `path` whole, or leaves the old one as it was; `error` gets the
// system's text on failure.
bool SaveCollectionFile(Files& files, const std::string& path, const VostekData& data,
                        std::string* error);
bool SaveCollectionFile(const std::string& path, const VostekData& data, std::string* error);

// The file's bytes for a collection, and back. Reading throws ArchiveError unless the
// bytes hold exactly one collection and nothing after it.
std::string WriteCollection(const VostekData& data);
std::unique_ptr<VostekData> ReadCollection(std::string_view bytes);
std::unique_ptr<VostekData> ReadCollection(ArchiveReader& archive);
