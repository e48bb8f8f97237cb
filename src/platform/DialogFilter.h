#pragma once

#include <QString>
#include <QStringList>

// The program writes file-dialog filters as "description|mask;mask|description|mask..."
// (OpenDialogFilter, the snapshot filter). This turns them into Qt name filters
// ("description (mask mask)"), one per pair, in order; an empty text gives no filter at all.
// A description that ends with its own masks in parentheses (separated by ';' or spaces, in any
// order and letter case) keeps them once, in the form Qt reads. A trailing description without a
// mask is dropped.
QStringList QtNameFilters(const QString &programFilter);
