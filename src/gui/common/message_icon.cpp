#include "gui/common/message_icon.h"

#include "gui/common/toolbar_images.h"

#include <QApplication>
#include <QStyle>

#include <cmath>

namespace kst {

QPixmap messageIconPixmap(QMessageBox::Icon icon, qreal devicePixelRatio)
{
    QStyle::StandardPixmap standard;
    MessageSign sign;
    switch (icon) {
    case QMessageBox::Information: standard = QStyle::SP_MessageBoxInformation; sign = MessageSign::Information; break;
    case QMessageBox::Question: standard = QStyle::SP_MessageBoxQuestion; sign = MessageSign::Question; break;
    case QMessageBox::Warning: standard = QStyle::SP_MessageBoxWarning; sign = MessageSign::Warning; break;
    case QMessageBox::Critical: standard = QStyle::SP_MessageBoxCritical; sign = MessageSign::Error; break;
    default: return {};
    }
    QStyle* style = QApplication::style();
    const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize);
    const int pixels = static_cast<int>(std::ceil(size * devicePixelRatio));
    QPixmap styles = style->standardIcon(standard).pixmap(QSize(size, size), devicePixelRatio);
    if (styles.width() >= pixels)
        return styles;
    QPixmap own = QPixmap::fromImage(messageSignImage(sign, pixels));
    own.setDevicePixelRatio(devicePixelRatio);
    return own;
}

}  // namespace kst
