#pragma once
// Desktop daemons a window test starts for itself: a D-Bus session bus and a sound server
// with no hardware. Each is private to the test (its own socket in a temporary folder) and
// ends with the object, or with the test process however it ends, so none outlives a test.
// Each says in error() what is missing when it could not start; a test asserts on it.

#include <QString>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "common/subprocess.h"
#include "tests/support/test_files.h"

namespace uitest {

// A program run for the test that is killed with it; its output is kept for readiness checks.
class TestDaemon {
public:
    // Starts `program` (found on the PATH) with `options`; error() says why when it did not.
    TestDaemon(const std::string& program, common::SubprocessOptions options);
    // Waits up to `seconds` for `ready`; false, with error() set, when it never holds.
    bool waitUntilReady(const std::function<bool()>& ready, double seconds);
    std::string output() const;
    const std::string& error() const { return error_; }

private:
    std::string program_;
    std::unique_ptr<common::Subprocess> process_;
    mutable std::mutex outputMutex_;  // guards output_, written by the reader thread
    std::string output_;
    std::string error_;
};

// dbus-daemon with the session configuration; address() is what a client connects to.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    QString address() const { return address_; }
    const std::string& error() const { return daemon_.error(); }

private:
    TestDaemon daemon_;
    QString address_;
};

// PulseAudio with one null sink; from now on this process's sound clients (PULSE_SERVER) reach
// it and no other server.
class HeadlessSoundServer {
public:
    HeadlessSoundServer();
    const std::string& error() const { return daemon_->error(); }

    // Points this process's sound clients at a socket nothing listens on.
    static void pointAtNoServer(const testsupport::TemporaryFolder& folder);

private:
    testsupport::TemporaryFolder folder_;
    std::unique_ptr<TestDaemon> daemon_;
};

}  // namespace uitest
