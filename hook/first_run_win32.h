#pragma once

namespace tavel {

// Writes a new user's settings when the user has none yet, filling the
// shared records beside the registry. One registry open when they exist.
void WriteFirstRunSettings();

}  // namespace tavel
