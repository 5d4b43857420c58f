// The view's own state: construction, search keys, hiding and the settings toggles.

#include "view/launcher_view.h"

#include "app/globals.h"
#include "view/search_keys.h"
#include "view/view_host.h"

namespace {

constexpr int kVirtualKeyBack = 0x08;
constexpr int kVirtualKeyDelete = 0x2E;

void Flip(std::int32_t& setting) {
  setting = setting != 0 ? 0 : 1;
}

}  // namespace

LauncherView::LauncherView(ListControl& list, ViewHost& host, MigemoDictionary& dictionary,
                           DesktopShell& shell)
    : m_list(list), m_host(host), m_dictionary(dictionary), m_shell(shell) {}

bool LauncherView::OnChar(unsigned code, bool shift) {
  const char character = SearchCharacter(code, shift);
  if (character == 0) {
    return false;
  }
  m_search.push_back(character);
  RefreshList();
  return true;
}

void LauncherView::OnKeyDown(int virtualKey) {
  if (virtualKey == kVirtualKeyBack || virtualKey == kVirtualKeyDelete) {
    m_search.clear();
    RefreshList();
  }
}

void LauncherView::OnHide() {
  if (m_host.IsWindowVisible()) {
    m_host.HideWindow();
  }
  if (g_settings.staygroup == 0) {
    g_viewMode = StartViewMode(g_settings);
    g_curGroup = 0;
  }
  m_search.clear();
}

void LauncherView::OnActivateApp(bool active) {
  if (!active && g_settings.g_autohide != 0) {
    OnHide();
  }
}

void LauncherView::OnStayGroup() {
  Flip(g_settings.staygroup);
}

void LauncherView::OnAutoHide() {
  Flip(g_settings.g_autohide);
}

void LauncherView::OnViewIcon() {
  Flip(g_settings.showicon);
  RefreshList();
}

void LauncherView::OnViewPopular() {
  Flip(g_settings.popular);
  if (g_viewMode == VIEW_POPULAR) {
    g_viewMode = VIEW_GROUP;
    g_curGroup = 0;
    RefreshList();
  }
}

void LauncherView::OnViewRecent() {
  Flip(g_settings.recent);
  if (g_viewMode == VIEW_RECENT) {
    g_viewMode = VIEW_GROUP;
    g_curGroup = 0;
    RefreshList();
  }
}
