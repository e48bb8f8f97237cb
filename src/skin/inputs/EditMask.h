#pragma once

#include <QChar>
#include <QList>
#include <QString>

// An edit mask in the classic three-field notation "mask;saveLiterals;blank", for example
// "!90:00:00;1;_": '0' a required digit, '9' an optional digit, '#' an optional digit or sign,
// 'L'/'l' a required/optional letter, 'A'/'a' a required/optional letter or digit, 'C'/'c' a
// required/optional character, '\' takes the next character literally, '!', '>' and '<' are
// flags, anything else is a literal kept in the text.
class EditMask {
public:
    enum class Slot { Literal, Required, Optional };

    static EditMask parse(const QString &editMask);

    bool isEmpty() const { return kinds_.isEmpty(); }
    // The same mask in QLineEdit's notation (whose digit letters have the opposite meaning).
    QString qtInputMask() const { return qtMask_; }
    QChar blank() const { return blank_; }
    bool savesLiterals() const { return saveLiterals_; }
    const QList<Slot> &kinds() const { return kinds_; }

    // The field's text as the program reads it, from the text shown while editing: blank
    // positions read as spaces, literals dropped unless saved.
    QString textFromDisplay(const QString &display) const;
    // The inverse: the text to show for a text the program reads, spaces becoming blanks.
    QString displayFromText(const QString &text) const;
    // The first required position left blank in the shown text, or -1.
    int firstBlankRequired(const QString &display) const;

private:
    QList<Slot> kinds_;
    QString literals_;  // per position: the literal, or the blank for an input position
    QString qtMask_;
    QChar blank_ = QLatin1Char('_');
    bool saveLiterals_ = true;
};
