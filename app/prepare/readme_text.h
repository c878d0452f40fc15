#pragma once
// "README-FIRST.md" of the hand-off folder: where the songs are, where the edit
// goes, and how to finish an edit with or without the app.

#include <QString>
#include <optional>

namespace app::prepare {

// No line break after the last line. Without an output folder the README asks
// the user to choose one.
QString readmeText(const QString& folder, const std::optional<QString>& outputFolder);

}  // namespace app::prepare
