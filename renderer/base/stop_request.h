#pragma once
// Stopping a render from outside. One signal thread receives SIGTERM, SIGINT and SIGHUP: it
// sets the stop flag and ends every running child program (SIGTERM, then SIGKILL 250 ms later).
// The render thread polls the flag at stage boundaries and in long loops and unwinds with a
// RenderError, so RAII removes the work folder and other files of the run, and main writes the
// one failure line. Should the render thread not reach its last line within a second of the
// signal, the signal thread runs the registered clean-up hooks, removes the work folder, writes
// that line and exits with status 2.

#include <filesystem>
#include <memory>
#include <string_view>

namespace common {
class Subprocess;
}

namespace renderer {

inline constexpr std::string_view renderStoppedMessage = "Render stopped by a termination signal.";

// Blocks the three signals in the calling thread, and so in every thread started later, and
// starts the signal thread. Call once, from main, before any other thread exists.
void startStopSignalHandling();

// Thread-safe; lock-free.
bool stopRequested() noexcept;

// Throws RenderError(renderStoppedMessage) once a stop was requested, or once the calling
// thread's song work was cancelled (cancel_token.h).
void throwIfStopRequested();

// What the signal thread does first: sets the flag and sends SIGTERM to every running child.
void requestStop();

// Tests that request a stop put the flag back with this.
void clearStopRequestForTesting() noexcept;

// The children a stop must end (several while songs decode side by side): runProcess
// registers each child once started and removes it once the child has been waited for.
// Shared, so a stop never signals a freed object.
void addRunningChild(std::shared_ptr<common::Subprocess> child);
void removeRunningChild(const common::Subprocess* child);

// Something the signal thread must undo when it ends a stuck run itself (such as a partial
// output file). Runs on the signal thread after the child was killed, while the render thread
// may be anywhere, so it must be safe then; it must not throw. Adding a hook twice keeps one.
using StopCleanupHook = void (*)() noexcept;
void addStopCleanupHook(StopCleanupHook hook);

// The work folder the signal thread removes if it has to end the run itself.
void setActiveWorkFolder(const std::filesystem::path& folder);
void clearActiveWorkFolder();

// Writes the run's last line ("LOCAL_RENDER_OK ..." or "LOCAL_RENDER_FAILED ...") through
// log, exactly once per process. When the signal thread has already ended the run with its
// own last line, this never returns: the process is about to exit.
void writeFinalLine(std::string_view line);

}  // namespace renderer
