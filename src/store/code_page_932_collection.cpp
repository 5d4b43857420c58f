#include "store/code_page_932_collection.h"

#include "resources/texts.h"
#include "store/archive.h"
#include "store/fill_text.h"
#include "store/whole_file.h"

std::unique_ptr<VostekData> ReadCollectionOfEitherText(std::string_view bytes, bool* converted) {
  ArchiveReader asUtf8(bytes);
  std::unique_ptr<VostekData> data = ReadCollection(asUtf8);
  *converted = !asUtf8.NarrowTextsWereUtf8();
  if (!*converted) {
    return data;
  }
  ArchiveReader asCodePage932(bytes);
  asCodePage932.SetNarrowText(NarrowText::kCodePage932);
  return ReadCollection(asCodePage932);
}

int ReadCodePage932CollectionFile(Files& files, const std::string& path,
                                  CollectionLoadResult* result) {
  std::string bytes;
  if (const int failure = ReadWholeFile(files, path, &bytes); failure != 0) {
    return failure;
  }
  bool converted = false;
  result->data = ReadCollectionOfEitherText(bytes, &converted);
  if (!converted) {  // made UTF-8 since it was first read
    return 0;
  }
  result->status = CollectionStatus::Converted;
  const std::string keptAs = FirstFreeName(files, path + ".cp932");
  std::string error;
  if (files.WriteAtomically(keptAs, bytes, &error)) {
    result->keptAs = keptAs;
    result->message = FillText(texts::kCollectionConverted, path, keptAs);
  } else {
    // Saving over the file now would leave no copy of it as it was.
    result->savePath = FreeUnsavedName(files, path);
    result->message = FillText(texts::kCollectionConvertedNotKept, {path, error, result->savePath});
  }
  return 0;
}
