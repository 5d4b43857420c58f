#pragma once

#include <cstddef>
#include <cstdint>

// Whether `size` bytes hold an ID list the Windows shell may be handed: one that holds
// together and is not the Linux build's. The shell's items carry their own type bytes
// (a root folder, a drive, a file entry...), none of them the Linux encoding's kinds, so
// a list that reads whole in the Linux encoding was written on Linux; the empty list is
// the desktop's on either system.
bool IsWindowsShellIdList(const std::uint8_t* bytes, std::size_t size);
