#include "gui/picture_view.h"

#include <QPainter>

namespace pesavia {

PictureView::PictureView(Fit fit, QWidget* parent) : QWidget(parent), fit_(fit) {}

void PictureView::setImage(const QImage& image) {
    image_ = image;
    update();
}

QRect PictureView::pictureRect() const {
    if (image_.isNull()) return {};
    QSize size = image_.size();
    if (fit_ == Fit::Proportional) size.scale(this->size(), Qt::KeepAspectRatio);
    return {QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

void PictureView::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Drawing within the widget cuts a larger picture at the box's edges.
    painter.drawImage(pictureRect(), image_);
}

} // namespace pesavia
