#pragma once

class QWidget;

// For the start-up benchmark: when POCKETREEL_REPORT_SHOWN is set, prints
// "shown <milliseconds since the epoch>" on standard output once the window has been painted.
void ReportWhenShown(QWidget *window);
