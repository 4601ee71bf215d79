#pragma once
// Pieces shared by the dialog frames of the side column: a compact grid, named option
// buttons, push buttons and check boxes, the confirm and "&Cancel" row, and updates of a
// widget from the session's state that do not echo back as a user's edit.
#include <QGroupBox>

#include <string>
#include <utility>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumo::ui {

QGridLayout* compactGrid(QGroupBox* box);
QRadioButton* option(QGroupBox* box, const char* name, const char* caption);
QPushButton* button(QGroupBox* box, const char* name, const char* caption);
QLineEdit* numberBox(QGroupBox* box, const char* name);

// A confirming button and "&Cancel" side by side in `row`.
std::pair<QPushButton*, QPushButton*> buttonRow(QGroupBox* panel, QGridLayout* grid, int row,
                                                const char* confirmName, const char* confirmCaption,
                                                const char* cancelName);

// Checks one button of an exclusive group, which unchecks the others.
void checkOption(QRadioButton* b);
void showText(QLineEdit* edit, const std::string& text);
void showChecked(QCheckBox* box, bool checked);

}  // namespace lumo::ui
