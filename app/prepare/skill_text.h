#pragma once
// The agent skill copied into the hand-off folder as "velvetcut-skill/SKILL.md":
// the house workflow for finishing an edit without the app. Fixed text.

#include <QString>

namespace app::prepare {

QString skillText();

}  // namespace app::prepare
