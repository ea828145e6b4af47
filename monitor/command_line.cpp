#include "monitor/command_line.h"

namespace tavel {

bool IsStopSwitch(const std::string& argument) {
  return argument == "/x" || argument == "/X" || argument == "-x" || argument == "-X";
}

StartRequest ParseCommandLine(const std::vector<std::string>& arguments) {
  StartRequest request;
  if (arguments.empty() || arguments[0].empty()) return request;
  if (IsStopSwitch(arguments[0])) {
    request.kind = StartKind::StopCurrent;
    return request;
  }
  request.switchDesktop = true;
  // With three or more arguments the name stays empty, which no desktop has.
  if (arguments.size() == 1 || arguments.size() == 2) request.desktopName = arguments[0];
  if (arguments.size() == 1) request.kind = StartKind::ServiceStart;
  if (arguments.size() == 2 && IsStopSwitch(arguments[1])) request.kind = StartKind::RemoteStop;
  return request;
}

}  // namespace tavel
