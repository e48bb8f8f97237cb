#pragma once

#include "core/profiles/EncodingChoices.h"

#include <QObject>
#include <QStringList>
#include <functional>

class ClipList;
class PreviewLink;
class QLabel;
class TProcessForm;
class Volumes;

// The main window's Start button: refuses while the preview seeks or when no clip is ticked,
// closes the preview's frame grabber, names every clip with a name not yet in the output folder
// (from the larger of its serial number and the one stored by the command line), runs the ticked
// clips in the conversion window, and once that window has closed goes on from the number after
// the last one taken, renames the clips by position from it and stores the number.
class ConversionStart : public QObject {
    Q_OBJECT

public:
    struct Links {
        ClipList *clips = nullptr;
        const Volumes *volumes = nullptr;
        QLabel *seekingLabel = nullptr;                  // Label_Info: shown while the preview seeks
        std::function<PreviewLink *()> preview;
        std::function<EncodingChoices()> choices;
        std::function<TProcessForm *()> processForm;     // made after the main window
    };

    ConversionStart(Links links, QObject *parent = nullptr);

    void suiImageButton_StartConvertClick();

private:
    static QStringList NamesToKeep(const ClipList &clips);
    bool AnyClipTicked() const;

    Links links_;
};
