#pragma once

#include "core/profiles/EncodingChoices.h"

#include <QObject>
#include <functional>

class ClipList;
class PreviewLink;
class QLabel;
class TProcessForm;
class Volumes;

// The main window's Start button: refuses while the preview seeks or when no clip is ticked,
// closes the preview's frame grabber, takes up the serial number stored by the command line when
// it is ahead and renames the clips, runs the ticked clips in the conversion window, and once
// that window has closed advances the serial number by the clips in the list, renames them and
// stores the number.
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
    bool AnyClipTicked() const;

    Links links_;
};
