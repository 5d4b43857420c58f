#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "store/vostek_data.h"

// items.vkd: the whole collection, read once at start and written once at exit.

enum class CollectionStatus {
  Loaded,      // read to its end
  Missing,     // no file yet: the default collection
  Damaged,     // could not be read to its end: moved aside (or left) and kept
  Unreadable,  // exists but could not be opened or read: left untouched
};

struct CollectionLoadResult {
  std::unique_ptr<VostekData> data;  // always usable: at least one group
  CollectionStatus status = CollectionStatus::Missing;
  std::string movedTo;  // Damaged: the file's new name; empty when it could not move
  std::string message;  // for the user when the file was not Loaded or Missing
  // False when a file we could not read still sits at the path: saving there at exit
  // would destroy the user's only copy, so the exit must skip the save.
  bool saveAllowed = true;
};

// Reads the collection at `path`. Never throws for a bad file and never loses one:
// a damaged file is renamed to "<path>.broken" (".broken.1", ".broken.2", ... when
// that exists); the caller shows `message` and carries on with the default collection.
CollectionLoadResult LoadCollectionFile(const std::string& path);

// Replaces the file at `path` whole, or leaves the old one as it was; `error` gets the
// system's text on failure.
bool SaveCollectionFile(const std::string& path, const VostekData& data, std::string* error);

// The file's bytes for a collection, and back. Reading throws ArchiveError unless the
// bytes hold exactly one collection and nothing after it.
std::string WriteCollection(const VostekData& data);
std::unique_ptr<VostekData> ReadCollection(std::string_view bytes);
