#pragma once
// One row of the Step 1 readiness list, and one probe's outcome.

#include <QString>
#include <QUuid>

namespace app::tools {

struct ToolCheck {
    QUuid id = QUuid::createUuid();  // fresh per row, for list identity
    QString name;
    QString command;  // what was probed, shown under the name
    QString status;   // multi-line text shown to the user
    bool isReady = false;
};

struct CommandResult {
    QString output;  // standard output and error combined; empty when undecodable or not started
    bool succeeded = false;  // started and exited with status 0
};

}  // namespace app::tools
