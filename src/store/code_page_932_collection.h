#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "store/collection_file.h"
#include "store/files.h"
#include "store/vostek_data.h"

// The original program keeps names and group names in code page 932, this one in
// UTF-8. Each file is read one way or the other as a whole: as UTF-8 when every narrow
// text in it is well-formed UTF-8, else every narrow text as code page 932 (a text of
// ASCII alone reads the same either way; wide texts are UTF-16 in both).

// Reads the collection in `bytes` so; throws ArchiveError as ReadCollection does.
// `*converted` tells whether its texts were taken as code page 932.
std::unique_ptr<VostekData> ReadCollectionOfEitherText(std::string_view bytes, bool* converted);

// For LoadCollectionFile, once it found texts in the file at `path` that are not UTF-8:
// reads the file again whole into `result`, and, when its texts are code page 932,
// keeps the file as found at the first free "<path>.cp932", "<path>.cp932.1", ...
// before any save rewrites it, with `message` naming the copy. Without a copy the file
// stays as it is and the session saves beside it. Returns 0, or errno's value when the
// file cannot be read again; throws ArchiveError for bad data.
int ReadCodePage932CollectionFile(Files& files, const std::string& path,
                                  CollectionLoadResult* result);
