#pragma once

// Makes the flow pages ready: the accessibility of their category cards,
// check boxes and links. Idempotent; the program calls it at start-up, tests after
// initWidgetKit().
void initFlows();
