#pragma once

#include <vector>

class ListControl;

// The selected rows in ascending order, as the list reports them.
std::vector<int> SelectedRows(const ListControl& list);
