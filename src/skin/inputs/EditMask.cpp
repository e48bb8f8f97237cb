#include "EditMask.h"

#include <QStringList>

namespace {
struct SlotSpec {
    char classic;
    char qt;
    EditMask::Slot slot;
};

constexpr SlotSpec kSlotSpecs[] = {
    {'0', '9', EditMask::Slot::Required}, {'9', '0', EditMask::Slot::Optional},
    {'#', '#', EditMask::Slot::Optional}, {'L', 'A', EditMask::Slot::Required},
    {'l', 'a', EditMask::Slot::Optional}, {'A', 'N', EditMask::Slot::Required},
    {'a', 'n', EditMask::Slot::Optional}, {'C', 'X', EditMask::Slot::Required},
    {'c', 'x', EditMask::Slot::Optional},
};

const SlotSpec *slotSpec(QChar c)
{
    for (const SlotSpec &spec : kSlotSpecs)
        if (c == QLatin1Char(spec.classic))
            return &spec;
    return nullptr;
}

// Characters that QLineEdit reads as mask letters or flags; as literals they need a backslash.
bool isQtMaskMeta(QChar c)
{
    return QStringLiteral("AaNnXx90Dd#HhBb><!;[]{}\\").contains(c);
}
}

EditMask EditMask::parse(const QString &editMask)
{
    EditMask mask;
    // The flag fields are the last two ';'-separated parts; an escaped ';' stays in the mask.
    QString pattern = editMask;
    QStringList flags;
    for (int part = 0; part < 2; ++part) {
        const int cut = pattern.lastIndexOf(QLatin1Char(';'));
        if (cut < 0 || (cut > 0 && pattern[cut - 1] == QLatin1Char('\\')))
            break;
        flags.prepend(pattern.mid(cut + 1));
        pattern.truncate(cut);
    }
    if (!flags.isEmpty())
        mask.saveLiterals_ = flags.first() != QLatin1String("0");
    if (flags.size() == 2 && !flags.last().isEmpty())
        mask.blank_ = flags.last().front();

    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('!'))
            continue;
        if (c == QLatin1Char('>') || c == QLatin1Char('<')) {
            mask.qtMask_ += c;
            continue;
        }
        QChar literal = c;
        if (c == QLatin1Char('\\')) {
            if (++i == pattern.size())
                break;
            literal = pattern[i];
        } else if (const SlotSpec *spec = slotSpec(c)) {
            mask.kinds_.append(spec->slot);
            mask.literals_ += mask.blank_;
            mask.qtMask_ += QLatin1Char(spec->qt);
            continue;
        } else if (c == QLatin1Char('_')) {
            literal = QLatin1Char(' ');
        }
        mask.kinds_.append(Slot::Literal);
        mask.literals_ += literal;
        if (isQtMaskMeta(literal))
            mask.qtMask_ += QLatin1Char('\\');
        mask.qtMask_ += literal;
    }
    if (!mask.kinds_.isEmpty())
        mask.qtMask_ += QLatin1Char(';') + mask.blank_;
    return mask;
}

QString EditMask::textFromDisplay(const QString &display) const
{
    QString text;
    for (int i = 0; i < kinds_.size() && i < display.size(); ++i) {
        if (kinds_[i] == Slot::Literal) {
            if (saveLiterals_)
                text += display[i];
        } else {
            text += display[i] == blank_ ? QLatin1Char(' ') : display[i];
        }
    }
    return text;
}

QString EditMask::displayFromText(const QString &text) const
{
    QString display;
    int next = 0;
    for (int i = 0; i < kinds_.size(); ++i) {
        const bool literal = kinds_[i] == Slot::Literal;
        const QChar c = next < text.size() && (!literal || saveLiterals_) ? text[next++] : blank_;
        if (literal)
            display += literals_[i];
        else
            display += c == QLatin1Char(' ') ? blank_ : c;
    }
    return display;
}

int EditMask::firstBlankRequired(const QString &display) const
{
    for (int i = 0; i < kinds_.size(); ++i)
        if (kinds_[i] == Slot::Required && (i >= display.size() || display[i] == blank_))
            return i;
    return -1;
}
