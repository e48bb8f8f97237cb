#include "AddProgressPanel.h"

#include "SkinFonts.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace {
QLabel *Caption(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xDC, 0xE1, 0xE8));
    label->setPalette(palette);
    QFont font = tahomaPixels(11);
    font.setBold(true);
    label->setFont(font);
    return label;
}

class ProgressFill : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(0x9c, 0xe8, 0x6a));
        fill.setColorAt(1, QColor(0x3e, 0x9a, 0x2a));
        p.fillRect(rect(), fill);
    }
};
}

AddProgressPanel::AddProgressPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_AddProgress"));
    resize(Width, Height);
    Caption(QStringLiteral("Label22"), QStringLiteral("Adding clips, please wait..."), this)
        ->setGeometry(20, 12, 300, 20);
    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("Panel_Progress1"));
    bar_->setGeometry(20, 39, 271, 6);
    fill_ = new ProgressFill(bar_);
    fill_->setObjectName(QStringLiteral("Image_Progress"));
    fill_->setGeometry(0, 0, 0, 6);
    percent_ = Caption(QStringLiteral("Label_Percent"), QStringLiteral("0"), this);
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percent_->setGeometry(292, 32, 30, 20);
    Caption(QStringLiteral("Label18"), QStringLiteral("%"), this)->setGeometry(324, 32, 16, 20);
    hide();
}

void AddProgressPanel::ShowProgress(int done, int total)
{
    if (total > 0) {
        fill_->resize(done * BarWidth / total, fill_->height());
        percent_->setText(QString::number(done * 100 / total));
    } else {
        fill_->resize(0, fill_->height());
        percent_->setText(QStringLiteral("0"));
    }
}

int AddProgressPanel::Percent() const
{
    return percent_->text().toInt();
}

int AddProgressPanel::BarFill() const
{
    return fill_->width();
}

void AddProgressPanel::paintEvent(QPaintEvent *)
{
    // Image1: the panel's background.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(0x2c, 0x32, 0x3b));
    fill.setColorAt(1, QColor(0x16, 0x19, 0x1e));
    p.setPen(QPen(QColor(0x5a, 0x64, 0x72), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0b, 0x0d, 0x10));
    p.drawRect(bar_->geometry());
}
