// Checks that every Load, Get and Set export of the library reaches its own
// shared field and its own registry value.
#pragma once

// Expects the seeded settings loaded; leaves them seeded and loaded again.
void CheckExportWiring();

// Runs every Load export; true when all return 0.
bool LoadAll();
