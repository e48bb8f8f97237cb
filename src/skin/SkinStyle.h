#pragma once

#include <QProxyStyle>

// The program's style: the desktop's, with room around the texts of tooltips.
class SkinStyle : public QProxyStyle {
    Q_OBJECT

public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
