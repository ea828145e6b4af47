// Which of its jobs the configuration program does, chosen from the command
// line.
#pragma once

#include <string_view>

namespace tavel::panel {

enum class StartMode {
  Stop,         // end the running configuration program
  Uninstall,    // before the product is removed: end both programs, no logon start
  Upgraded,     // a newer version has replaced the files: the monitor starts again
  Helper,       // background check: should the monitor run?
  Interactive,  // open the user interface (one instance)
};

// The command line without the program name in front (quoted or not), so
// that a folder such as "C:\Tools-X\" cannot read as a switch.
std::wstring_view ArgumentsOf(std::wstring_view commandLine);

// Searches the arguments for the switches as substrings, case-sensitively:
// a stop switch wins over the others, then the removal, the upgrade and the
// helper switch, wherever they appear.
StartMode SelectStartMode(std::wstring_view commandLine);

}  // namespace tavel::panel
