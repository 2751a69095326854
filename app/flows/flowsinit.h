#pragma once

// Makes the flow pages ready: the accessibility of their category cards and
// check boxes. Idempotent; the program calls it at start-up, tests after
// initWidgetKit().
void initFlows();
