#pragma once
// The reason a save button is grey, shown beside it while it is: a user who finds a
// button that does nothing needs to know which field is missing or what is wrong.

#include <QString>

class QLabel;
class QWidget;

namespace kalvodrin {

// An empty label named "ReasonLabel", in the colour of a warning, hidden until it
// has a reason to show.
QLabel* ReasonLabel(QWidget* parent);

// Shows the reason, or hides the label for an empty one.
void ShowReason(QLabel* label, const QString& reason);

// "<label> girilmedi": the words for a required field left empty.
QString MissingFieldReason(const QString& label);

}  // namespace kalvodrin
