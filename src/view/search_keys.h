#pragma once

// The character a typed character adds to the search text, or 0 when it is no search
// text and goes to the list instead. Letters of either case (Caps Lock sends capitals
// without Shift, and small letters with it) become capitals, digits stay as they are and
// "-" stays "-" (the dictionary reads it as the long-vowel mark). A letter typed with
// Shift is search text too, unless Shift with that letter's key is one of the frame's
// accelerators: that key belongs to its command.
char SearchCharacter(unsigned code, bool shift);

// Whether a key pressed in the list clears the search text: Backspace (alone, with Shift
// or with Ctrl) and Shift+Delete. Delete alone and Ctrl+Delete belong to the frame's
// commands, whether enabled or not; with Alt or the logo key held a key is never the
// search's. `modFlags` are MOD_ flags, as the hot-key's.
bool ClearsSearch(int virtualKey, int modFlags);
