#pragma once
// The fixed house rules of the agent prompt, in the order the prompt uses them.
// Each piece starts and ends exactly where the prompt joins it to the next one:
// the numbered workflow is split around the output folder's path and around
// item 11.

#include <QString>

namespace app::prepare {

// Shorten/fade, incoming-start, timestamp-offset and production sections; ends with a blank line.
QString endingAndEntranceRules();
// The fast-path paragraph of the production standard.
QString fastPathParagraph();
// The background-app rules and the heading of the analysis-map section.
QString backgroundAppRules();
// What a compact analysis map holds.
QString compactAnalysisMapParagraph();
// Reuse, scoring and the join check, then workflow items 1 and 2 up to the opening backquote.
QString joinCheckAndWorkflowStart();
// From the closing backquote after the output folder to "11. ".
QString workflowMiddle();
// Workflow item 11.
QString localEngineBasedPathItem();
// Items 12 to 27, the suggested commands and the output rules up to the opening backquote.
QString workflowEndCommandsAndOutputRules();

}  // namespace app::prepare
