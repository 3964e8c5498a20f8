#pragma once
// The pieces every scheduler settings window is built of: a question beside a field
// that takes the letter "E"/"H" or one or two digits, the window's button row, and
// the save of the settings file that puts the record back when the disk refuses.

#include <QString>

#include <functional>

#include "gui/common/app_context.h"
#include "gui/common/key_line.h"
#include "scheduler/settings_entry.h"

class QBoxLayout;
class QDialog;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kalvodrin {

// Adds the question at `row` of the grid: the text (lines joined), the field named
// `name` and, when given, the recommended answer beside it.
QLineEdit* AddQuestion(QGridLayout* grid, int row, const QString& text, const char* name,
                       ByteEntry kind, const QString& recommended = {});

// A button of the window's button row.
QPushButton* AddButton(QBoxLayout* row, const QString& caption, const char* name);

// The key line of a settings window: Ctrl+S saves as its save button does, F1 opens
// the help `page`, Esc closes without saving. The caller puts it at the foot.
KeyLine* SettingsKeyLine(QDialog* window, THelpForm& help, const QString& page,
                         const QString& saveMeaning, std::function<void()> save);

// Shows the texts in the fields, in order.
template <typename Texts, typename Fields>
void ShowTexts(const Texts& texts, const Fields& fields) {
  for (std::size_t k = 0; k < fields.size(); ++k)
    fields[k]->setText(QString::fromStdString(texts[k]));
}

template <typename Texts, typename Fields>
Texts TextsOfFields(const Fields& fields) {
  Texts texts{};
  for (std::size_t k = 0; k < fields.size(); ++k) texts[k] = fields[k]->text().toStdString();
  return texts;
}

// The notice for a field left empty, which then takes the focus.
void RefuseEmptyField(const AppContext& context, QLineEdit* field);

// Changes the settings record by `store` and rewrites the settings file; when the file
// cannot be written the record is put back as it was and the system's message shown.
bool StoreSettings(const AppContext& context, const std::function<void(TSettingsRec&)>& store);

// Reads the stored settings again, so that a window shows what the file holds.
void ReloadSettings(const AppContext& context);

}  // namespace kalvodrin
