#pragma once

#include <QStringList>

class EncodingSelection;

// The profile list, one entry a line as the window lists it, the default marked with a star.
int RunProfiles();

// The same lines, for the list of known profiles in an error.
QStringList ProfileLines(EncodingSelection &selection);
