#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// Raised when an INI write fails; what() is "Unable to write to <path>".
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString &path);
    QString path() const { return path_; }

private:
    QString path_;
};

// An INI file with the semantics the program's stored files rely on: section and key names match
// without regard to case, a missing file reads as empty, integers that are absent or not whole
// numbers read as the caller's default, and a write keeps every other line, comment and the
// order of the file (creating it when missing). Each instance reads the file once when made, so
// make one per operation: nothing is cached between operations.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString &path() const { return path_; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    QStringList sectionNames() const;
    QStringList keysOf(const QString &section) const;

    // Writes through to disk at once; throws IniWriteError when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);

private:
    template <typename Visit> void forEachKeyOf(const QString &section, Visit visit) const;
    std::optional<QString> rawValue(const QString &section, const QString &key) const;

    QString path_;
    QList<QByteArray> lines_; // raw bytes, so lines the program never parses are written back unchanged
};
