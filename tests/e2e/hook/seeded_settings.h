// The settings the hook library test starts from, written straight into the
// user's registry: notebook assignments on with right Alt as the Windows
// key, external-keyboard assignments in force without a USB keyboard, right
// Ctrl + F4 as Standby, no press-duration filtering.
#pragma once

// Replaces the user's settings with the seeded ones; false when the registry
// refuses.
bool SeedSettings();
// Removes the user's settings again.
void RemoveSettings();
