#pragma once

#include "platform/FileHandOver.h"
#include "platform/SingleInstance.h"

#include <QStringList>
#include <memory>
#include <optional>

// The single-instance rule with files to open: this process either runs the program, holding the
// lock with the hand-over socket listening beside it, or hands its files to the instance that
// runs and ends.
class InstanceStart {
public:
    explicit InstanceStart(QStringList lockPaths);
    ~InstanceStart();

    // nullopt: the program runs here. Otherwise the exit status: -1 when another instance runs and
    // there are no files, 0 once it took them, 1 when it did not (said on standard error).
    std::optional<int> Claim(const QStringList &files);

    // Where later starts hand their files in; null before Claim() or when no socket could be made.
    FileHandOverListener *Listener() const { return listener_.get(); }
    // Removes the socket while the application object still exists, so later starts do not hand
    // files to an instance that is ending.
    void StopTakingFiles() { listener_.reset(); }

private:
    SingleInstance instance_;
    std::unique_ptr<FileHandOverListener> listener_;
};
