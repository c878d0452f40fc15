#pragma once
// How the renderer runs its child programs (LAME), and where it finds LAME.

#include <string>
#include <vector>

namespace renderer {

// Runs `executable` with `arguments` (no shell, same folder and environment),
// standard output and standard error on one pipe, and waits for it. Returns the
// combined output (the newest 200,000 bytes; empty text when not valid UTF-8).
// Throws RenderError when the child exits non-zero: its trimmed output on one line, or
// "<file name> failed" when that is empty. Throws RenderError with the platform's
// reason when the child cannot start. Registers the child with the stop handling, so a
// stop ends it; a stop before or during the run throws RenderError(renderStoppedMessage).
std::string runProcess(const std::string& executable, const std::vector<std::string>& arguments);

// The file named "lame" in the folder that holds the running renderer executable.
std::string bundledLamePath();

// MUSIC_EDIT_LAME when present (even when empty), else bundledLamePath().
std::string lameExecutablePath();

// True when `path` names a regular file that this process may execute.
bool isExecutableFile(const std::string& path);

}  // namespace renderer
