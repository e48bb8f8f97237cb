#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// What the encoding options ask for; empty texts and unset numbers leave the profile's choice.
struct EncodingRequest {
    QString profile;  // empty: the store's default profile
    QString format;
    QString resolution;
    QString frameRate;
    QString audioBitRate;
    std::optional<int> videoBitRate;
    std::optional<int> volume;
};

// Which sound track or subtitles to convert; by default the options' languages choose, as for a
// clip the window adds.
struct TrackRequest {
    enum class Kind { Default, Language, Number, File, None };
    Kind kind = Kind::Default;
    QString language;  // Language: a tag IsKnownLanguage takes ("ja", "jpn", "Japanese")
    int number = 0;    // Number: from 1, in the order the probe command lists them
    QString file;      // File (subtitles only): the subtitle file's absolute path

    bool operator==(const TrackRequest &) const = default;
};

struct ConvertRequest {
    EncodingRequest encoding;
    TrackRequest audio;
    TrackRequest subtitles;
    std::optional<int> start;  // seconds
    std::optional<int> end;
    QString title;
    QString outputFolder;      // empty: the options' output folder
    bool upload = false;
    QString uploadTo;          // empty: the PSP found among the removable volumes
    bool quiet = false;
    QStringList files;
};

struct UploadRequest {
    QString to;
    bool quiet = false;
    QStringList files;
};

struct ProbeRequest {
    bool json = false;
    QStringList files;
};

struct ProfilesRequest {};

// A command to run, or a text to print and the status to end with (help, version, usage error).
struct Answer {
    QString text;
    int status = 0;
};

using CliRequest = std::variant<Answer, ConvertRequest, UploadRequest, ProbeRequest, ProfilesRequest>;

// `arguments` without the program name.
CliRequest ParseArguments(const QStringList &arguments);

// Seconds from "HH:MM:SS" (hours of any length; minutes and seconds below 60) or whole seconds;
// nullopt for anything else or beyond a day.
std::optional<int> ParseTimeArgument(const QString &text);

QString MainHelpText();
QString VersionText();
