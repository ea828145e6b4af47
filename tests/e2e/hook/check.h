// Prints one named check of a test program and counts the failures.
#pragma once

#include <string>

void Check(bool ok, const std::string& what);
int CheckFailures();
