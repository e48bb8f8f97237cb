#include "IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

QByteArray WithoutLineEnd(const QByteArray &line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

bool IsComment(const QByteArray &trimmed)
{
    return trimmed.startsWith(';');
}

// "[name]" -> name; anything else is not a section header.
std::optional<QString> SectionNameOf(const QByteArray &line)
{
    const QByteArray trimmed = WithoutLineEnd(line).trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return QString::fromUtf8(trimmed.mid(1, close - 1).trimmed());
}

struct KeyLine {
    QString name;
    QByteArray value;
};

std::optional<KeyLine> KeyLineOf(const QByteArray &line)
{
    const QByteArray trimmed = WithoutLineEnd(line).trimmed();
    if (trimmed.isEmpty() || IsComment(trimmed) || trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    const QByteArray name = trimmed.left(equals).trimmed();
    if (name.isEmpty())
        return std::nullopt;
    return KeyLine{QString::fromUtf8(name), trimmed.mid(equals + 1).trimmed()};
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value in matching quotes reads without them, as the Windows profile API does.
QString Unquoted(const QByteArray &value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return QString::fromUtf8(value.mid(1, value.size() - 2));
    return QString::fromUtf8(value);
}

// Decimal with an optional sign, or hexadecimal written "0x1F" or "$1F"; nothing else.
std::optional<int> IntegerOf(const QString &text)
{
    bool ok = false;
    int value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    else if (text.startsWith(QLatin1Char('$')))
        value = text.mid(1).toInt(&ok, 16);
    else
        value = text.toInt(&ok, 10);
    if (!ok || text.contains(QLatin1Char(' ')))
        return std::nullopt;
    return value;
}

// A line break in a written name or value would split the line and corrupt the file.
QByteArray OneLine(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes.trimmed();
}

} // namespace

IniWriteError::IniWriteError(const QString &path)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(path).toStdString())
    , path_(path)
{
}

IniFile::IniFile(QString path)
    : path_(std::move(path))
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    if (content.isEmpty())
        return;
    lines_ = content.split('\n');
    if (content.endsWith('\n'))
        lines_.removeLast();
}

template <typename Visit> void IniFile::forEachKeyOf(const QString &section, Visit visit) const
{
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionNameOf(lines_[i])) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto key = KeyLineOf(lines_[i])) {
            if (!visit(i, *key))
                return;
        }
    }
}

std::optional<QString> IniFile::rawValue(const QString &section, const QString &key) const
{
    std::optional<QString> found;
    forEachKeyOf(section, [&](qsizetype, const KeyLine &line) {
        if (!SameName(line.name, key))
            return true;
        found = Unquoted(line.value);
        return false;
    });
    return found;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return rawValue(section, key).value_or(defaultValue);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const auto text = rawValue(section, key);
    if (!text)
        return defaultValue;
    return IntegerOf(*text).value_or(defaultValue);
}

QStringList IniFile::sectionNames() const
{
    QStringList names;
    for (const QByteArray &line : lines_) {
        const auto name = SectionNameOf(line);
        if (name && !names.contains(*name, Qt::CaseInsensitive))
            names.append(*name);
    }
    return names;
}

QStringList IniFile::keysOf(const QString &section) const
{
    QStringList keys;
    forEachKeyOf(section, [&](qsizetype, const KeyLine &line) {
        if (!keys.contains(line.name, Qt::CaseInsensitive))
            keys.append(line.name);
        return true;
    });
    return keys;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QList<QByteArray> lines = lines_;
    const QByteArray lineEnd = !lines.isEmpty() && lines.first().endsWith('\r') ? "\r" : "";
    const QByteArray newValue = OneLine(value);

    qsizetype keyLine = -1;
    forEachKeyOf(section, [&](qsizetype i, const KeyLine &line) {
        if (!SameName(line.name, key))
            return true;
        keyLine = i;
        return false;
    });

    if (keyLine >= 0) {
        // Keep the key as the file spells it.
        const QByteArray current = WithoutLineEnd(lines[keyLine]);
        const QByteArray name = current.left(current.indexOf('=')).trimmed();
        lines[keyLine] = name + '=' + newValue + (lines[keyLine].endsWith('\r') ? "\r" : "");
    } else {
        const QByteArray newLine = OneLine(key) + '=' + newValue + lineEnd;
        qsizetype header = -1;
        qsizetype lastContent = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (const auto name = SectionNameOf(lines[i])) {
                if (header >= 0)
                    break;
                if (SameName(*name, section))
                    header = lastContent = i;
                continue;
            }
            if (header >= 0 && !WithoutLineEnd(lines[i]).trimmed().isEmpty())
                lastContent = i;
        }
        if (header >= 0) {
            lines.insert(lastContent + 1, newLine);
        } else {
            if (!lines.isEmpty() && !WithoutLineEnd(lines.last()).trimmed().isEmpty())
                lines.append(lineEnd);
            lines.append('[' + OneLine(section) + ']' + lineEnd);
            lines.append(newLine);
        }
    }

    QSaveFile file(path_);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw IniWriteError(path_);
    for (const QByteArray &line : lines)
        file.write(line + '\n');
    if (!file.commit())
        throw IniWriteError(path_);
    lines_ = lines;
}
