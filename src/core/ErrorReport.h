#pragma once

#include <QString>
#include <QUrl>

// The report of an error that escaped an event handler, and the mail to the makers that it and
// the help menu's "Contact us" compose. The question goes through Prompts::Current(), the mail
// through the installed UrlOpener.

// SupportEmail with the application title as subject and, when not empty, body. Both are
// percent-encoded, so blanks, line breaks, "&" and "#" in a message reach the mail program intact.
QUrl SupportMailUrl(const QString &body);

// Opens SupportMailUrl(body).
void ComposeMail(const QString &body);

// Shows `message` (when there is one) above the question whether to mail the error to the makers;
// on Yes, composes the mail that carries the message and the version.
void ReportError(const QString &message);
