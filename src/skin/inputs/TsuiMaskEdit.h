#pragma once

#include "EditMask.h"
#include "TsuiEdit.h"

// A skinned field with an edit mask, e.g. "!90:00:00;1;_" for HH:MM:SS. Blank positions show the
// mask's blank character while editing and read back as spaces: with nothing typed, text() of
// that mask is "  :  :  ". After a user's edit that left a required position blank, the field
// refuses to lose the focus (and Enter): it beeps, keeps the focus with the cursor on the first
// blank required position, and emits OnInvalidInput with kInvalidInputMessage; OnExit is not
// emitted. Escape abandons the user's edit and restores the text the field had when it received
// the focus, or the text the program set since (so an abandoned edit never brings back a value
// the program has already replaced). Any change not typed by the user, through this class or
// through QLineEdit, counts as the program's.
class TsuiMaskEdit : public TsuiEdit {
    Q_OBJECT
public:
    static const QString kInvalidInputMessage;

    explicit TsuiMaskEdit(QWidget *parent = nullptr);

    QString editMask() const { return editMask_; }
    void setEditMask(const QString &editMask);

    // The text with blank positions as spaces. QLineEdit::text() drops them, shifting every later
    // character: read the field through this class.
    QString text() const;
    // Takes a text in the form text() gives, spaces standing for blank positions.
    void setText(const QString &text);

signals:
    void OnInvalidInput(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void fieldEntered() override;
    bool fieldLeaving() override;

private:
    bool holdsAcceptableEdit() const;
    void refuseInput();

    QString editMask_;
    EditMask mask_;
    bool editAnnounced_ = false;
    bool userEdited_ = false;
    QString textToRestore_;
};
