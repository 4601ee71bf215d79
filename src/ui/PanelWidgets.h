#pragma once
// Small pieces shared by the dialog frames of the main window: a compact grid, named
// buttons, option buttons and number boxes, and updates of boxes and check boxes that do not echo back as user input.
#include <QGroupBox>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

class QAbstractButton;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumo::ui {

class MainSession;

// A frame runs the session's handlers through the window, as user actions.
using SessionHandler = std::function<void(MainSession&)>;
using SessionRunner = std::function<void(const SessionHandler&)>;

QGridLayout* compactGrid(QGroupBox* box);
QPushButton* namedButton(QWidget* parent, const char* name, const char* caption);
QRadioButton* option(QGroupBox* box, const char* name, const char* caption);
// A right-aligned box for a number.
QLineEdit* numberBox(QGroupBox* box, const char* name);
// A confirming button and "&Cancel" side by side in `row` of `grid`.
std::pair<QPushButton*, QPushButton*> buttonRow(QGroupBox* box, QGridLayout* grid, int row,
                                                const char* confirmName, const char* confirmCaption,
                                                const char* cancelName);
// A button that runs a session handler without arguments.
struct CommandButton {
  const char* name;
  const char* caption;
  void (MainSession::*handler)();
};
// The buttons in rows of `columns` (all side by side when 0), each running its handler
// through `run`.
QGridLayout* commandButtons(QWidget* parent, const SessionRunner& run,
                            std::initializer_list<CommandButton> buttons, int columns = 0);

// Shows `text` in the box unless it already does, without a textEdited signal.
void setTextQuietly(QLineEdit* edit, const std::string& text);
void setCheckedQuietly(QAbstractButton* button, bool checked);
// Checks one button of an exclusive group, which unchecks the others.
void checkOption(QRadioButton* b);

}  // namespace lumo::ui
