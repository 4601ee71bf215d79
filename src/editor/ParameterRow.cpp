#include "editor/ParameterRow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "editor/ScrollBarStyle.h"
#include "plot/StandardColour.h"

namespace lumo::editor {

void ParameterEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  emit focusEntered();
}

void ParameterEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit focusLeft();
}

void ParameterEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit focusLeft();
    emit focusEntered();
    selectAll();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

ParameterRow::ParameterRow(ScrollId id, TextBox textBox, QWidget* parent)
    : QWidget(parent),
      id_(id),
      caption_(new QLabel(this)),
      bar_(new QScrollBar(Qt::Horizontal, this)) {
  // The caption shares its line with the text box, so that the scroll bar, the main way
  // of fitting by hand, takes the whole width of the panel on the line below.
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(1);
  QFont small = caption_->font();
  small.setPointSizeF(std::max(7.0, small.pointSizeF() - 1));
  caption_->setFont(small);
  caption_->setWordWrap(true);
  caption_->installEventFilter(this);
  auto* head = new QHBoxLayout;
  head->setSpacing(3);
  head->addWidget(caption_, 1);
  if (textBox != TextBox::None) {
    edit_ = new ParameterEdit(this);
    edit_->setAlignment(Qt::AlignRight);
    edit_->setReadOnly(textBox == TextBox::ReadOnly);
    if (textBox == TextBox::ReadOnly) edit_->setFocusPolicy(Qt::NoFocus);
    head->addWidget(edit_, 0, Qt::AlignBottom);
    connect(edit_, &ParameterEdit::focusEntered, this, [this] { emit focusEntered(id_); });
    connect(edit_, &ParameterEdit::focusLeft, this, [this] {
      if (edit_->isReadOnly()) return;
      // The session decides what the box shows next.
      edit_->setModified(false);
      emit edited(id_, edit_->text());
    });
  }
  column->addLayout(head);
  bar_->setStyle(ScrollBarStyle::instance());
  const int arrows = 2 * bar_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar_);
  bar_->setMinimumWidth(kMinimumTrack + arrows);
  // Clicking a scroll bar takes the focus, so a value typed elsewhere is taken first.
  bar_->setFocusPolicy(Qt::StrongFocus);
  column->addWidget(bar_);
  connect(bar_, &QScrollBar::valueChanged, this, [this](int v) { emit moved(id_, v); });
}

void ParameterRow::commitTyping() {
  if (!edit_ || edit_->isReadOnly() || !edit_->isModified()) return;
  edit_->setModified(false);
  emit edited(id_, edit_->text());
}

void ParameterRow::setLocked(bool locked) {
  bar_->setEnabled(!locked);
  if (edit_) edit_->setEnabled(!locked);
}

void ParameterRow::setCaption(const QString& caption) { caption_->setText(caption); }

// The box is as wide as the longest text its bar's range gives (with room for a typed
// decimal), no wider, so that the caption keeps its line.
void ParameterRow::fitTextBox(const ScrollBar& bar) {
  if (!edit_) return;
  const QFontMetrics fm = edit_->fontMetrics();
  int widest = fm.horizontalAdvance(QStringLiteral("00.0"));
  for (int v : {bar.Min, bar.Max, bar.Min + 1, bar.Max - 1}) {
    const auto text = QString::fromStdString(LayerEditorState::textForm(id_.family, v));
    widest = std::max(widest, fm.horizontalAdvance(text));
  }
  edit_->setFixedWidth(widest + 8);
  boxRange_ = {bar.Min, bar.Max};
}

void ParameterRow::sync(const ParameterControl& c) {
  {
    const QSignalBlocker block(bar_);
    if (bar_->minimum() != c.bar.Min || bar_->maximum() != c.bar.Max)
      bar_->setRange(std::min(c.bar.Min, c.bar.Max), std::max(c.bar.Min, c.bar.Max));
    if (bar_->singleStep() != c.bar.SmallChange) bar_->setSingleStep(c.bar.SmallChange);
    if (bar_->pageStep() != c.bar.LargeChange) bar_->setPageStep(c.bar.LargeChange);
    if (bar_->value() != c.bar.Value) bar_->setValue(c.bar.Value);
  }
  if (boxRange_ != std::pair{c.bar.Min, c.bar.Max}) fitTextBox(c.bar);
  // A box being typed into keeps the user's text until the focus leaves it.
  const QString text = QString::fromStdString(c.text);
  if (edit_ && edit_->text() != text && !(edit_->hasFocus() && edit_->isModified())) {
    const QSignalBlocker block(edit_);
    edit_->setText(text);
    edit_->setModified(false);
  }
  if (c.labelColour != colour_) {
    colour_ = c.labelColour;
    QPalette p = caption_->palette();
    const Rgb rgb = standardColour(colour_);
    p.setColor(QPalette::WindowText,
               colour_ == 0 ? palette().color(QPalette::WindowText) : QColor(rgb.r, rgb.g, rgb.b));
    caption_->setPalette(p);
  }
}

bool ParameterRow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == caption_ && event->type() == QEvent::MouseButtonRelease) emit captionClicked(id_);
  return QWidget::eventFilter(watched, event);
}

}  // namespace lumo::editor
