#pragma once

// Menu entries show their shortcut after a tab in their text ("隠す(&H)\tEsc"). A screen
// reader told the whole text would read the shortcut as part of the name; once this is
// installed, such an entry is named by the part before the tab and offers the part
// after it as its shortcut, as it is shown. Installing twice is harmless.
void InstallMenuEntryAccessibility();
