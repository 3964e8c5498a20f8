#include "gui/timetables/settings_fields.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/storage.h"
#include "gui/common/function_keys.h"
#include "gui/common/key_filters.h"
#include "gui/common/key_line.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

QLineEdit* AddQuestion(QGridLayout* grid, int row, const QString& text, const char* name,
                       ByteEntry kind, const QString& recommended) {
  auto* label = new QLabel(text);
  auto* field = new QLineEdit;
  field->setObjectName(name);
  field->setMaxLength(kind == ByteEntry::kTwoDigits ? 2 : 1);
  field->setFixedWidth(field->fontMetrics().horizontalAdvance("0000") + 12);
  field->setAlignment(Qt::AlignCenter);
  InstallKeyFilter(field, kind == ByteEntry::kYesNo ? FieldKind::kYesNo : FieldKind::kDigits);
  label->setBuddy(field);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
  if (!recommended.isEmpty()) grid->addWidget(new QLabel(recommended), row, 2);
  return field;
}

KeyLine* SettingsKeyLine(QDialog* window, THelpForm& help, const QString& page,
                         const QString& saveMeaning, std::function<void()> save) {
  auto* keys = new KeyLine(window);
  keys->Bind({QKeySequence(Qt::CTRL | Qt::Key_S)}, saveMeaning, std::move(save));
  BindHelpKey(window, help, page);
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("İptal"));
  return keys;
}

QPushButton* AddButton(QBoxLayout* row, const QString& caption, const char* name) {
  auto* b = new QPushButton(caption);
  b->setObjectName(name);
  row->addWidget(b);
  return b;
}

void RefuseEmptyField(const AppContext& context, QLineEdit* field) {
  context.sil.Notice(U8("Boş bırakılan soru var; her soru cevaplanmalı."));
  field->setFocus(Qt::OtherFocusReason);
}

bool StoreSettings(const AppContext& context, const std::function<void(TSettingsRec&)>& store) {
  const TSettingsRec before = context.school.Settings;
  store(context.school.Settings);
  if (const Status s = SaveFiles(context.school, {DataFile::kSettings}, context.Disk()); !s) {
    context.school.Settings = before;
    context.sil.Notice(U8(s.message()));
    return false;
  }
  return true;
}

void ReloadSettings(const AppContext& context) {
  // A file that cannot be read leaves the record in memory as it is; that is still
  // what the last save wrote.
  if (const Status s = LoadSettings(context.school); !s) context.sil.Notice(U8(s.message()));
}

}  // namespace kalvodrin
