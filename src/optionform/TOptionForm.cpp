#include "TOptionForm.h"

TOptionForm::TOptionForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Options"));
    resize(437, 577);
}
