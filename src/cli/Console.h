#pragma once

#include <QString>

// Standard output for results, standard error for progress and errors. On a terminal the status
// line is redrawn in place (cut to the terminal's width, so it never wraps); elsewhere each status
// is a plain line of its own. Use from one thread.
class Console {
public:
    explicit Console(bool quiet = false);

    // A result: one line on standard output.
    void Result(const QString &line);
    // An error: "pocketreel-cli: " + text on standard error, even when quiet.
    void Error(const QString &text);
    // A note on standard error, unless quiet.
    void Note(const QString &line);

    // Progress of the piece of work named `label`; on a terminal it replaces the status shown.
    void Status(const QString &label, const QString &progress);
    // Ends the status line: `line` stays in its place (unless quiet).
    void EndStatus(const QString &line);

    bool ErrorIsTerminal() const { return terminal_; }

private:
    void ClearStatus();
    int Columns() const;

    bool quiet_;
    bool terminal_;
    bool statusShown_ = false;
};
