// A control as screen readers see it (Active Accessibility): the system's
// own object for the control, with the name, role, value and items the
// program knows better. The system takes a list's name from the text before
// it, which on our pages is "=" or "+", and under Wine its object is generic
// (every control a "client" named by its window text), so the program
// answers for its input controls itself.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tavel::ui {

struct AccessibleItem {
  std::wstring name;
  long state = 0;  // STATE_SYSTEM_*
};

struct AccessibleFacts {
  AccessibleFacts() = default;
  AccessibleFacts(std::wstring name, long role, std::wstring value = {})
      : name(std::move(name)), role(role), value(std::move(value)) {}

  std::wstring name;
  long role = 0;       // ROLE_SYSTEM_*
  std::wstring value;  // empty: the control has none
  long state = 0;      // added to what the system says of the control
  // The items of a list or tab strip, children 1 to n, all of one role.
  std::vector<AccessibleItem> items;
  long itemRole = 0;
};

using DescribeControl = std::function<AccessibleFacts(HWND control)>;

// Until the control is destroyed, a screen reader asking for it hears what
// `describe` answers at that moment. Once for each control.
void Expose(HWND control, DescribeControl describe);
// The control's name changed (a text that shows what happened): a screen
// reader watching it says the new one.
void AnnounceNameChange(HWND control);

}  // namespace tavel::ui
