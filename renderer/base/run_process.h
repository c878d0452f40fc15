#pragma once
// How the renderer runs its child programs (LAME), and where it finds LAME.

#include <functional>
#include <string>
#include <string_view>
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

// Hands bytes on to a child's standard input; false once the child no longer reads them.
using ChildInputSink = std::function<bool(std::string_view bytes)>;
using ChildInputWriter = std::function<void(const ChildInputSink& sink)>;

// As runProcess, with the child's standard input on a pipe that `writeInput` fills on the
// calling thread while the child runs; the pipe is closed when it returns. When it throws,
// the child is killed and its error goes on. A child that stopped reading before the end yet
// exits 0 fails with RenderError "<file name> did not read all of its input."
std::string runProcessWithInput(const std::string& executable,
                                const std::vector<std::string>& arguments,
                                const ChildInputWriter& writeInput);

// The file named "lame" in the folder that holds the running renderer executable.
std::string bundledLamePath();

// MUSIC_EDIT_LAME when present (even when empty), else bundledLamePath().
std::string lameExecutablePath();

// True when `path` names a regular file that this process may execute.
bool isExecutableFile(const std::string& path);

}  // namespace renderer
