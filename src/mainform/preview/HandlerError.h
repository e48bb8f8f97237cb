#pragma once

#include <QString>

// An error of an event handler, for the program's error report: the time fields' refusal of a
// blank digit, a snapshot that cannot be written. Shown as an error message.
void ReportHandlerError(const QString &message);
