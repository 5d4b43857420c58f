#pragma once

// The character a typed character adds to the search text, or 0 when it is no search
// text and goes to the list instead. Letters of either case (Caps Lock sends capitals
// without Shift, and small letters with it) become capitals, digits stay as they are and
// "-" stays "-" (the dictionary reads it as the long-vowel mark). A letter typed with
// Shift is search text too, unless Shift with that letter's key is one of the frame's
// accelerators: that key belongs to its command.
char SearchCharacter(unsigned code, bool shift);
