#pragma once
#include <QImage>
#include <QWidget>

namespace pesavia {

// A picture box. Proportional: the picture fills the box keeping its proportions, centred. Otherwise it is
// drawn at its own size, centred and cut at the box's edges (never scaled).
class PictureView : public QWidget {
    Q_OBJECT
  public:
    enum class Fit { Proportional, Centred };
    explicit PictureView(Fit fit, QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    Fit fit() const { return fit_; }
    // Where the picture is drawn, in the box's coordinates.
    QRect pictureRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Fit fit_;
    QImage image_;
};

} // namespace pesavia
