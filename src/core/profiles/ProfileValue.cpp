#include "ProfileValue.h"

#include <QRegularExpression>
#include <QStringList>
#include <limits>

int LeadingInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    qint64 magnitude = 0;
    const qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i].unicode() - u'0'));
    const qint64 signedValue = negative ? -magnitude : std::min(magnitude, limit - 1);
    return int(signedValue);
}

namespace {

bool isTrimmable(QChar c)
{
    return c == u' ' || c.unicode() < 0x20 || c.unicode() == 0x7f;
}

QString trimmedField(const QString &field)
{
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && isTrimmable(field[begin]))
        ++begin;
    while (end > begin && isTrimmable(field[end - 1]))
        --end;
    return field.mid(begin, end - begin);
}

} // namespace

int ProfileField(const QString &value, int n)
{
    if (n < 1)
        return 0;
    // Only fields closed by a comma count, so the text after the last comma is never one.
    const QStringList parts = value.split(u',');
    if (n >= parts.size())
        return 0;
    return LeadingInteger(trimmedField(parts[n - 1]));
}

QString ProfileValueString(int videoFormat, int aspect, int resolution, int frameRate, int videoBitRate,
                           int audioBitRate, int sampleRate, int volume)
{
    QString value;
    for (int field : {videoFormat, aspect, resolution, frameRate, videoBitRate, audioBitRate, sampleRate, volume})
        value += QString::number(field) + u',';
    return value + QStringLiteral("0,");
}

QString ProfileNameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("Please enter a profile name.");
    if (trimmed.contains(u'=') || trimmed.contains(u'\n') || trimmed.contains(u'\r'))
        return QStringLiteral("A profile name can not contain \"=\" or a line break.");
    if (trimmed.startsWith(u'[') || trimmed.startsWith(u';'))
        return QStringLiteral("A profile name can not begin with \"[\" or \";\".");
    static const QRegularExpression storeKey(QStringLiteral("^(nodef|ProfileCount|ProfileDefault|ProfileText\\d+)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (storeKey.match(trimmed).hasMatch())
        return QStringLiteral("This name is reserved by the profile store.");
    return {};
}
