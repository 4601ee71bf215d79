#pragma once
// A caption written upwards, for the plots' Y axis title.
#include <QString>
#include <QWidget>

namespace lumo::ui {

class VerticalCaption : public QWidget {
 public:
  explicit VerticalCaption(QWidget* parent = nullptr);
  void setText(const QString& text);
  const QString& text() const { return text_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {sizeHint().width(), 40}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace lumo::ui
