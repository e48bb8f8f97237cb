#include "ErrorReport.h"

#include "AppGlobals.h"

#include "platform/Prompts.h"
#include "platform/UrlOpener.h"

#include <QDebug>

namespace {

QByteArray encoded(const QString &text)
{
    return QUrl::toPercentEncoding(text);
}

} // namespace

QUrl SupportMailUrl(const QString &body)
{
    QByteArray url = SupportEmail.toUtf8() + "?subject=" + encoded(DisplayProductName);
    if (!body.isEmpty())
        url += "&body=" + encoded(body);
    return QUrl::fromEncoded(url, QUrl::StrictMode);
}

void ComposeMail(const QString &body)
{
    OpenUrl(SupportMailUrl(body));
}

void ReportError(const QString &message)
{
    qWarning().noquote() << "error:" << message;
    Prompts *prompts = Prompts::Installed();
    if (!prompts)
        return;
    const QString question = DisplayProductName
        + QStringLiteral(" has found an error.\nWould you be willing to send this data to us?\n"
                         "Please click \"Yes\" to send this message to us, thank you very much!");
    // The message first: a user who answers No still learns what went wrong.
    if (!prompts->Confirm(message.isEmpty() ? question : message + QStringLiteral("\n\n") + question))
        return;
    ComposeMail(QStringLiteral("There are some errors : ") + message + QStringLiteral("\nVersion : ") + g_s_Version);
}
