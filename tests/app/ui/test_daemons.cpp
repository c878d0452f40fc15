#include "tests/app/ui/test_daemons.h"

#include <QByteArray>

#include "tests/app/support/wizard_test_helpers.h"

namespace uitest {

TestDaemon::TestDaemon(const std::string& program, common::SubprocessOptions options)
    : program_(program) {
    const std::filesystem::path path = testsupport::findProgram(program);
    if (path.empty()) {
        error_ = testsupport::requiredProgramMessage(program);
        return;
    }
    options.executable = path.string();
    options.ownProcessGroup = true;
    options.dieWithParent = true;  // a test killed on its timeout takes the daemon along
    process_ = std::make_unique<common::Subprocess>(options, [this](std::string_view chunk) {
        const std::lock_guard lock(outputMutex_);
        output_.append(chunk);
    });
    if (auto failed = process_->start()) error_ = program + " did not start: " + *failed;
}

bool TestDaemon::waitUntilReady(const std::function<bool()>& ready, double seconds) {
    if (!error_.empty()) return false;
    testsupport::waitUntil([&] { return ready() || !process_->isRunning(); }, seconds);
    if (ready()) return true;
    error_ = program_ + " did not get ready: " + output();
    return false;
}

std::string TestDaemon::output() const {
    const std::lock_guard lock(outputMutex_);
    return output_;
}

namespace {

common::SubprocessOptions withArguments(std::vector<std::string> arguments) {
    common::SubprocessOptions options;
    options.arguments = std::move(arguments);
    return options;
}

}  // namespace

PrivateSessionBus::PrivateSessionBus()
    : daemon_("dbus-daemon", withArguments({"--session", "--nofork", "--print-address=1"})) {
    // The address is the first line the daemon prints, as soon as it listens.
    const auto firstLine = [this] {
        const std::string text = daemon_.output();
        const size_t end = text.find('\n');
        return end == std::string::npos ? std::string() : text.substr(0, end);
    };
    if (daemon_.waitUntilReady([&] { return !firstLine().empty(); }, 10)) {
        address_ = QString::fromStdString(firstLine());
    }
}

HeadlessSoundServer::HeadlessSoundServer() {
    const std::string folder = folder_.path().string();
    const std::string socket = folder + "/native";
    // -n: none of the machine's own configuration, so no hardware and no other sockets; no
    // shared memory, which containers often have little of.
    common::SubprocessOptions options =
        withArguments({"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
                       "--log-target=stderr", "--disable-shm=yes", "--load=module-null-sink",
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    options.environmentOverrides = {
        {"HOME", folder}, {"XDG_RUNTIME_DIR", folder}, {"XDG_CONFIG_HOME", folder}};
    daemon_ = std::make_unique<TestDaemon>("pulseaudio", options);
    if (daemon_->waitUntilReady([&] { return std::filesystem::exists(socket); }, 10)) {
        qputenv("PULSE_SERVER", QByteArray::fromStdString("unix:" + socket));
    }
}

void HeadlessSoundServer::pointAtNoServer(const testsupport::TemporaryFolder& folder) {
    qputenv("PULSE_SERVER", QByteArray::fromStdString("unix:" + (folder / "no-server").string()));
}

}  // namespace uitest
