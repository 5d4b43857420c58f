#pragma once

#include <optional>
#include <string>

// What the view logic asks of the window around it.
class ViewHost {
 public:
  virtual ~ViewHost() = default;
  virtual void SetTitle(const std::string& title) = 0;  // the main window's title
  virtual bool IsWindowVisible() const = 0;
  virtual void HideWindow() = 0;
  virtual void BringToFront() = 0;
  virtual bool IsShiftDown() const = 0;  // at this moment
  // Runs the group-name dialog; the trimmed, non-empty name, or nothing on Cancel.
  virtual std::optional<std::string> AskGroupName() = 0;
};
