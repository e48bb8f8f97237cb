#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

// One clip of the list as plain data: the source file, the range to convert, its picture and the
// texts its row shows. The row widget follows it through Changed(). Setters run on the window
// thread; every getter may also be called from the conversion worker (fields are guarded).
//
// The row texts are null (QString::isNull) until their setter first runs, which is when the
// row's label for them comes into being.
class TVideoInfo : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxSeconds = 86400;
    static constexpr int PictureWidth = 240;
    static constexpr int PictureHeight = 180;

    explicit TVideoInfo(QObject *parent = nullptr);

    // Times outside 0..86400 become 0.
    void SetDuration(int seconds);
    void SetStartTime(int seconds);
    void SetEndTime(int seconds);
    // Engine aspect code and picture size (see DisplayAspect.h for the codes).
    void SetVideoSize(int aspectCode, int width, int height);
    void SetTicked(bool ticked);
    void SetSelected(bool selected);
    void SetAudioIndex(int index);
    void SetSubtitleIndex(int index);
    void SetAudioStreams(std::optional<QStringList> streams);    // "name#id..." entries
    void SetSubtitleStreams(std::optional<QStringList> streams);
    void SetClipName(const QString &text);
    void SetOutputName(const QString &text);
    // The thumbnail a snapshot wrote beside the output file, which the conversion keeps.
    void SetSnapshotThumbnail(const QString &path);
    void SetSourcePath(const QString &path);
    void SetInfoText(const QString &text);                     // tooltip; switches it on
    void SetDisplayAspect(bool displayAspect);
    void SetPicture(const QImage &picture);                    // stored as RGB888

    int Duration() const;
    int StartTime() const;
    int EndTime() const;
    int AspectIndex() const;
    int AudioIndex() const;
    int SubtitleIndex() const;
    int TitleNumber() const;
    bool Ticked() const;
    bool Selected() const;
    bool DisplayAspect() const;
    double AspectRatio() const;
    int VideoWidth() const;
    int VideoHeight() const;
    QString SourcePath() const;
    QImage Picture() const;
    std::optional<QStringList> AudioStreams() const;
    std::optional<QStringList> SubtitleStreams() const;

    // Row texts.
    QString ClipName() const;
    QString LengthText() const;    // "Video Length : HH:MM:SS"
    QString StartText() const;     // "Beginning" or HH:MM:SS
    QString EndText() const;       // "Ending" or HH:MM:SS
    QString SizeText() const;      // "Video Size : 720X480" or "Video Size : Unknown"
    QString AudioText() const;     // stream name, "Disable" or "Unkonwn"
    QString SubtitleText() const;
    QString OutputName() const;    // "" until named
    QString InfoText() const;      // tooltip; null while tooltips are off
    QString SnapshotThumbnail() const;

signals:
    // Emitted on the window thread after any setter changed what the clip holds.
    void Changed();

private:
    static int Clamped(int seconds);
    template <typename Update> void Modify(Update update);

    mutable QMutex mutex_;
    QString clipName_, lengthText_, startText_, endText_, sizeText_;
    QString audioText_, subtitleText_, outputName_, infoText_;
    std::optional<QStringList> audioStreams_, subtitleStreams_;
    int duration_ = 0;
    int startTime_ = 0;
    int endTime_ = 0;
    int aspectIndex_ = -1;
    int audioIndex_ = 0;
    int subtitleIndex_ = 0;
    int titleNumber_ = 0;
    bool ticked_ = false;
    bool selected_ = false;
    bool displayAspect_ = false;
    QString sourcePath_;
    QString snapshotThumbnail_;
    double aspectRatio_ = 0.0;
    int videoWidth_ = 0;
    int videoHeight_ = 0;
    QImage picture_;
};
