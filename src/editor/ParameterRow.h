#pragma once
// One parameter of the layer editor: its caption label, its scroll bar and its text box,
// showing the control of the editor state it is bound to and reporting the user's moves,
// typing and caption clicks.
#include <QLineEdit>
#include <QWidget>
#include <utility>

#include "editor/LayerEditorState.h"

class QLabel;
class QScrollBar;

namespace lumo::editor {

// A text box that reports gaining and losing the keyboard focus; Return counts as
// leaving and re-entering it, so a typed value takes effect without moving away.
class ParameterEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

 signals:
  void focusEntered();
  void focusLeft();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

class ParameterRow : public QWidget {
  Q_OBJECT

 public:
  // The shortest track a scroll bar gets, in pixels: enough to drag a value in small
  // steps at the window's start-up size.
  static constexpr int kMinimumTrack = 80;
  enum class TextBox { None, ReadOnly, Typed };
  ParameterRow(ScrollId id, TextBox textBox, QWidget* parent = nullptr);

  ScrollId id() const { return id_; }
  // Shows another control of the same family (the layer panels page through layers).
  void bind(ScrollId id) { id_ = id; }
  void setCaption(const QString& caption);
  // Mirrors the control without echoing the changes back as user actions.
  void sync(const ParameterControl& control);

  // Hands over text typed but not yet confirmed, as if the box lost the focus.
  void commitTyping();
  // While locked the scroll bar and the text box take no input; the caption stays as it
  // is, so its colour still shows what is being fitted.
  void setLocked(bool locked);

  QScrollBar* scrollBar() const { return bar_; }
  QLineEdit* textBox() const { return edit_; }
  QLabel* caption() const { return caption_; }

 signals:
  void moved(lumo::ScrollId id, int value);
  void focusEntered(lumo::ScrollId id);
  void edited(lumo::ScrollId id, const QString& text);
  void captionClicked(lumo::ScrollId id);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitTextBox(const ScrollBar& bar);

  ScrollId id_;
  QLabel* caption_;
  QScrollBar* bar_;
  ParameterEdit* edit_ = nullptr;
  int colour_ = -1;
  std::pair<int, int> boxRange_{1, 0};  // the range the text box was sized for
};

}  // namespace lumo::editor
