#pragma once

#include "core/streams/SourceStreams.h"

#include <QStringList>

// What the stream selectors, the row's tooltip and the command line call a stream: its
// language, its format and, for sound, its channels ("Japanese AC3 5.1", "English ASS forced",
// "English SRT file"); a part that is not known is left out.
QString StreamName(const SourceStream &stream);

// The clip's entries, "name#id" with the id in three digits ("Japanese AC3 5.1#001"). Names that
// would read alike are told apart by their place among them ("English AAC stereo (2)"), and no
// name holds a "#".
QStringList StreamEntries(const QList<SourceStream> &streams);
