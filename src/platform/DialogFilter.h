#pragma once

#include <QString>
#include <QStringList>

// The program writes file-dialog filters as "description|mask;mask|description|mask..."
// (OpenDialogFilter, the snapshot filter). This turns them into Qt name filters
// ("description (mask mask)"), one per pair, in order; an empty text gives no filter at all.
// A trailing description without a mask is dropped.
QStringList QtNameFilters(const QString &programFilter);
