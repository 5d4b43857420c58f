#include "store/collection_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#include "resources/texts.h"
#include "store/archive.h"
#include "store/code_page_932_collection.h"
#include "store/containing_folder.h"
#include "store/files.h"
#include "store/fill_text.h"

namespace {

// Renames the file to the first free "<path>.broken", "<path>.broken.1", ...; returns
// the new name, or empty with errno set when it cannot be moved.
std::string MoveAside(Files& files, const std::string& path) {
  const std::string base = path + ".broken";
  std::string target = base;
  for (unsigned long number = 1;; ++number) {
    const int failure = files.RenameToFreeName(path, target);
    if (failure == 0) {
      return target;
    }
    if (failure != EEXIST) {
      errno = failure;
      return {};
    }
    target = base + "." + std::to_string(number);
  }
}

std::unique_ptr<VostekData> DefaultCollection() {
  auto data = std::make_unique<VostekData>();
  data->InitDefault();
  return data;
}

// Reads the collection in the file at `path` a piece at a time: the whole file would
// take as much memory again as the items made from it. Returns 0, or errno's value when
// the file cannot be opened or read; throws ArchiveError for bad data. `textsAreUtf8`
// tells whether every narrow text was well-formed UTF-8.
int ReadCollectionFile(Files& files, const std::string& path, std::unique_ptr<VostekData>* data,
                       bool* textsAreUtf8) {
  std::unique_ptr<FileReader> file;
  if (const int failure =
          files.OpenForReading(path, std::numeric_limits<std::size_t>::max(), &file);
      failure != 0) {
    return failure;
  }
  int readFailure = 0;
  ArchiveReader archive(file->Size(), [&file, &readFailure](char* into, std::size_t size) {
    std::size_t got = 0;
    readFailure = file->Read(into, size, &got);
    return got;  // a failure ends the data early, and is told apart below
  });
  try {
    *data = ReadCollection(archive);
    *textsAreUtf8 = archive.NarrowTextsWereUtf8();
  } catch (const ArchiveError&) {
    if (readFailure != 0) {
      return readFailure;
    }
    throw;
  }
  return 0;
}

}  // namespace

std::string FirstFreeName(Files& files, const std::string& base) {
  std::string name = base;
  for (unsigned long number = 1; files.NameIsTaken(name); ++number) {
    name = base + "." + std::to_string(number);
  }
  return name;
}

std::string FreeUnsavedName(Files& files, const std::string& path) {
  return FirstFreeName(files, path + ".unsaved");
}

std::string WriteCollection(const VostekData& data) {
  ArchiveWriter archive;
  data.Store(archive);
  return archive.Bytes();
}

std::unique_ptr<VostekData> ReadCollection(std::string_view bytes) {
  ArchiveReader archive(bytes);
  return ReadCollection(archive);
}

std::unique_ptr<VostekData> ReadCollection(ArchiveReader& archive) {
  auto data = std::make_unique<VostekData>();
  data->Load(archive);
  if (!archive.AtEnd()) {
    throw ArchiveError(std::to_string(archive.Remaining()) + " bytes follow the collection");
  }
  return data;
}

CollectionLoadResult LoadCollectionWith(Files& files, const std::string& path) {
  CollectionLoadResult result;
  result.savePath = path;
  int failure = 0;
  bool damaged = false;
  bool textsAreUtf8 = true;
  try {
    failure = ReadCollectionFile(files, path, &result.data, &textsAreUtf8);
    if (failure == 0 && !textsAreUtf8) {
      failure = ReadCodePage932CollectionFile(files, path, &result);
    }
  } catch (const ArchiveError&) {
    damaged = true;
  }
  if (const std::string target = failure == ENOENT ? files.DanglingLinkTarget(path) : std::string();
      !target.empty()) {
    result.data = DefaultCollection();
    result.status = CollectionStatus::Dangling;
    if (files.IsFolder(ContainingFolder(target))) {
      result.message = FillText(texts::kCollectionLinkDangling, path, target);
    } else {
      result.savePath = FreeUnsavedName(files, path);
      result.message =
          FillText(texts::kCollectionLinkFolderMissing, {path, target, result.savePath});
    }
    return result;
  }
  if (failure == ENOENT) {
    result.data = DefaultCollection();
    result.status = CollectionStatus::Missing;
    return result;
  }
  if (failure != 0) {
    result.data = DefaultCollection();
    result.status = CollectionStatus::Unreadable;
    result.savePath = FreeUnsavedName(files, path);
    result.message =
        FillText(texts::kCollectionUnreadable, {path, std::strerror(failure), result.savePath});
    return result;
  }
  if (!damaged) {
    // The view always shows some group; a file without any still keeps its items.
    if (result.data->GetGroupCount() == 0) {
      result.data->InitDefault();
    }
    if (result.status != CollectionStatus::Converted) {
      result.status = CollectionStatus::Loaded;
    }
    return result;
  }
  result.data = DefaultCollection();
  result.status = CollectionStatus::Damaged;
  result.movedTo = MoveAside(files, path);
  if (result.movedTo.empty()) {
    const int moveFailure = errno;
    result.savePath = FreeUnsavedName(files, path);
    result.message = FillText(texts::kCollectionDamagedKept,
                              {path, std::strerror(moveFailure), result.savePath});
  } else {
    result.message = FillText(texts::kCollectionDamagedMoved, path, result.movedTo);
  }
  return result;
}

CollectionLoadResult LoadCollectionFile(const std::string& path) {
  return LoadCollectionWith(SystemFiles(), path);
}

bool SaveCollectionFile(Files& files, const std::string& path, const VostekData& data,
                        std::string* error) {
  return files.WriteAtomically(path, WriteCollection(data), error);
}

bool SaveCollectionFile(const std::string& path, const VostekData& data, std::string* error) {
  return SaveCollectionFile(SystemFiles(), path, data, error);
}
