#pragma once
// EditWindow: the small modal window a list window opens for its selected record. It
// shows the record's values, enables "KAYDET" only while its validation passes (the
// reason beside it while it is grey) and on "KAYDET" calls its one operation, saves
// the changed files and closes with result OK; the cancel button closes without any
// change. Enter moves from field to field and on the last one saves; a name another
// record already carries is saved only after the user confirms it.

#include <QDialog>
#include <QString>

#include <string_view>
#include <vector>

#include "core/change.h"
#include "gui/common/app_context.h"
#include "gui/common/apply_change.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kalvodrin {

class EnterMoves;
struct School;

struct EditWindowSpec {
  QString caption{};
  QString kaydetCaption = "KAYDET";
  QString iptalCaption{};
  int helpTopic = 0;  // 0: the window has no help key
  RecordTexts texts{};  // words the refusal of a stored change
};

class EditWindow : public QDialog {
  Q_OBJECT

 public:
  EditWindow(AppContext context, EditWindowSpec spec, QWidget* parent = nullptr);

  // Shows the record and waits; true when a change was stored.
  bool Edit(int number);

  void KaydetBtnClick();

 protected:
  virtual void ShowRecord(int number) = 0;
  // By default the record needs its first field filled.
  virtual bool Valid() const;
  // Why the fields are not valid (shown beside the grey "KAYDET"); by default the
  // label of the empty first field.
  virtual QString SaveBlockedReason() const;
  virtual Change Store(int number) = 0;

  // Rows of label and field, in order.
  QFormLayout* fields() const { return fields_; }
  // A Turkish-capitals field of at most `maxLength` characters, the width its record
  // field stores; Enter walks the fields in the order they are added.
  QLineEdit* AddField(const QString& objectName, const QString& label, int maxLength);
  void WatchField(QLineEdit* field);
  // For windows that lay out further fields themselves: the order Enter walks them in,
  // replacing the order of AddField.
  void SetEnterOrder(const std::vector<QWidget*>& boxes);
  void UpdateButton();
  const AppContext& context() const { return context_; }

 private:
  AppContext context_;
  EditWindowSpec spec_;
  QFormLayout* fields_;
  QPushButton* kaydetBtn_;
  QPushButton* iptalBtn_;
  QLabel* reasonLabel_;
  EnterMoves* enterMoves_;
  QLineEdit* firstField_ = nullptr;
  QString firstLabel_;
  std::vector<QLineEdit*> textFields_;  // what the duplicate question is given
  int number_ = 0;
};

// A record that is only a name, as a lesson group or a classroom: one field "Edit1".
struct NameEditSpec {
  QString label{};
  std::string_view (*name)(const School&, int number) = nullptr;  // empty: no record
  Change (*store)(School&, int number, std::string_view name) = nullptr;
};

class NameEditWindow : public EditWindow {
  Q_OBJECT

 public:
  // `maxLength`: the width the record stores of the name.
  NameEditWindow(AppContext context, EditWindowSpec spec, NameEditSpec name, int maxLength,
                 QWidget* parent = nullptr);

 protected:
  void ShowRecord(int number) override;
  Change Store(int number) override;

 private:
  NameEditSpec name_;
  QLineEdit* edit1_;
};

}  // namespace kalvodrin
