#pragma once
// Refills the minute box for the hour now chosen, keeping the chosen minute while it is
// still offered. FillTimeBoxes ends with it; the hour box's event runs it alone.
void RefillMinuteBox();
