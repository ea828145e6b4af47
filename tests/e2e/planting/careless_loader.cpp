// The planting test's control: loads libraries and starts programs by bare
// name, the way the product must never do, to prove that the planted markers
// are found by such a loader.
//   careless_loader load NAME      LoadLibraryA(NAME)
//   careless_loader run NAME       WinExec(NAME, SW_HIDE)
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  if (std::strcmp(argv[1], "load") == 0) return LoadLibraryA(argv[2]) ? 0 : 1;
  if (std::strcmp(argv[1], "run") == 0) return WinExec(argv[2], SW_HIDE) > 31 ? 0 : 1;
  return 2;
}
