#pragma once
// EditWindow: the small modal window a list window opens for its selected record. It
// shows the record's values, enables "KAYDET" only while its validation passes and on
// "KAYDET" calls its one operation, saves the changed files and closes with result
// OK; the cancel button closes without any change.

#include <QDialog>
#include <QString>

#include <string_view>
#include <vector>

#include "core/change.h"
#include "gui/common/app_context.h"
#include "gui/common/apply_change.h"

class QFormLayout;
class QLineEdit;
class QPushButton;

namespace kalvodrin {

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
  virtual Change Store(int number) = 0;

  // Rows of label and field, in order.
  QFormLayout* fields() const { return fields_; }
  QLineEdit* AddField(const QString& objectName, const QString& label, int maxLength = 0);
  void WatchField(QLineEdit* field);
  void UpdateButton();
  const AppContext& context() const { return context_; }

 private:
  AppContext context_;
  EditWindowSpec spec_;
  QFormLayout* fields_;
  QPushButton* kaydetBtn_;
  QPushButton* iptalBtn_;
  QLineEdit* firstField_ = nullptr;
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
  NameEditWindow(AppContext context, EditWindowSpec spec, NameEditSpec name,
                 QWidget* parent = nullptr);

 protected:
  void ShowRecord(int number) override;
  Change Store(int number) override;

 private:
  NameEditSpec name_;
  QLineEdit* edit1_;
};

}  // namespace kalvodrin
