#include "gui/masterdata/lesson_forms.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "core/school.h"
#include "gui/common/key_filters.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "gui/masterdata/lesson_group_forms.h"
#include "gui/masterdata/record_texts.h"
#include "gui/common/focus_return.h"
#include "masterdata/deletions.h"
#include "masterdata/lessons.h"
#include "masterdata/list_rows.h"

namespace kalvodrin {
namespace {

QLineEdit* Field(QWidget* parent, const char* objectName, int maxLength, FieldKind kind) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(objectName);
  field->setMaxLength(maxLength);
  InstallKeyFilter(field, kind);
  return field;
}

// "Bu dersi [  ] nci saatlere yerleştirme": a field inside its sentence.
QWidget* Sentence(QWidget* parent, const QString& before, QLineEdit* field,
                  const QString& after) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(before, row));
  field->setMaximumWidth(48);
  layout->addWidget(field);
  layout->addWidget(new QLabel(after, row));
  layout->addStretch(1);
  return row;
}

std::string Latin(const QLineEdit* field) { return field->text().toStdString(); }

// A one-letter box whose typed letter replaces what it holds: the text is selected
// just before each typed key reaches the box.
class ReplaceOnTyping : public QObject {
 public:
  explicit ReplaceOnTyping(QLineEdit* field) : QObject(field), field_(field) {
    field->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == field_ && event->type() == QEvent::KeyPress &&
        !static_cast<QKeyEvent*>(event)->text().isEmpty() &&
        static_cast<QKeyEvent*>(event)->text().at(0).isLetter())
      field_->selectAll();
    return false;
  }

 private:
  QLineEdit* field_;
};

}  // namespace

void MakePatternField(QLineEdit* field) {
  field->setMaxLength(10);
  field->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9+]{0,10}"), field));
}

TDersEditForm::TDersEditForm(AppContext context, QWidget* parent)
    : EditWindow(context,
                 {.caption = U8("DERS DÜZELTME"),
                  .iptalCaption = U8("İPTAL ET"),
                  .helpTopic = 103,
                  .texts = TextsOf(EntityKind::kLesson)},
                 parent) {
  setObjectName("TDersEditForm");
  edit1_ = AddField("Edit1", U8("DERSİN ADI"), 30);
  edit2_ = AddField("Edit2", U8("KISA ADI"), 4);
  groupCombo_ = new QComboBox(this);
  groupCombo_->setObjectName("GroupCombo");
  groupCombo_->setEditable(true);
  groupCombo_->setInsertPolicy(QComboBox::NoInsert);
  InstallKeyFilter(groupCombo_->lineEdit(), FieldKind::kTurkishUpper);
  fields()->addRow(U8("GRUBU"), groupCombo_);
  edit3_ = Field(this, "Edit3", 2, FieldKind::kDigits);
  fields()->addRow(U8("HAFTALIK DERS SAATİ"), edit3_);
  edit5_ = Field(this, "Edit5", 1, FieldKind::kYesNo);
  new ReplaceOnTyping(edit5_);
  fields()->addRow(U8("BÖLÜNEBİLME"), edit5_);
  edit6_ = Field(this, "Edit6", 2, FieldKind::kDigits);
  fields()->addRow(Sentence(this, U8("Bu dersi "), edit6_, U8("nci saatlere yerleştirme")));
  edit7_ = Field(this, "Edit7", 2, FieldKind::kDigits);
  fields()->addRow(
      Sentence(this, U8("Bu dersi"), edit7_, U8("nci saatlerden sonrasına yerleştirme")));
  edit4_ = new QLineEdit(this);
  edit4_->setObjectName("Edit4");
  MakePatternField(edit4_);
  fields()->addRow(U8("YERLEŞTİRME BİÇİMİ"), edit4_);
  for (QLineEdit* f : {edit3_, edit4_, edit5_, edit6_, edit7_, groupCombo_->lineEdit()})
    WatchField(f);
  SetEnterOrder({edit1_, edit2_, groupCombo_, edit3_, edit5_, edit6_, edit7_, edit4_});
}

void TDersEditForm::ShowRecord(int number) {
  const School& school = context().school;
  groupCombo_->clear();
  groupCombo_->addItem(QString());  // no group
  for (const TLessonGroupRec& g : school.LessonGroups) groupCombo_->addItem(FromCp1254(g.name.view()));
  const LessonEditFields f = LessonEditFieldsOf(school, number);
  edit1_->setText(FromCp1254(f.main.name));
  edit2_->setText(FromCp1254(f.main.shortName));
  edit3_->setText(QString::fromStdString(f.main.weeklyHours));
  edit4_->setText(QString::fromStdString(f.main.pattern));
  groupCombo_->setCurrentIndex(groupCombo_->findText(FromCp1254(f.group)));
  groupCombo_->setEditText(FromCp1254(f.group));
  edit5_->setText(QString::fromStdString(f.divisible));
  edit6_->setText(QString::fromStdString(f.notAtHour));
  edit7_->setText(QString::fromStdString(f.notAfterHour));
}

LessonEditFields TDersEditForm::Fields() const {
  LessonEditFields f;
  f.main = {ToRecordText(edit1_->text()), ToRecordText(edit2_->text()), Latin(edit3_),
            Latin(edit4_)};
  f.group = ToRecordText(groupCombo_->currentText());
  f.divisible = ToRecordText(edit5_->text());
  f.notAtHour = Latin(edit6_);
  f.notAfterHour = Latin(edit7_);
  return f;
}

bool TDersEditForm::Valid() const {
  const LessonEditFields f = Fields();
  return LessonEditFieldsValid(f) && LessonEditProblem(context().school, f).empty();
}

QString TDersEditForm::SaveBlockedReason() const {
  return U8(LessonEditProblem(context().school, Fields()));
}

Change TDersEditForm::Store(int number) {
  return SaveLessonEdit(context().school, number, Fields());
}

TDerslerForm::TDerslerForm(AppContext context, QWidget* parent)
    : ListWindow(context,
                 {.caption = U8("DERS HAVUZU"),
                  .texts = TextsOf(EntityKind::kLesson),
                  .helpTopic = 101,
                  .kaydetCaption = U8("KAYDET (F2 )"),
                  .duzeltCaption = U8("DÜZENLE       "),
                  .silCaption = U8("SEÇİLİ DERSİ SİL(F5)"),
                  .columns = LessonColumns(),
                  .searchColumn = 1,
                  .rows = LessonRows,
                  .deleteRecord = DeleteLessonFromPool},
                 parent) {
  setObjectName("TDerslerForm");
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  auto* heading = new QLabel(U8("YENİ DERS KAYIT"), panel);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  grid->addWidget(heading, 0, 0, 1, 3);
  edit1_ = Field(panel, "Edit1", 30, FieldKind::kTurkishUpper);
  edit2_ = Field(panel, "Edit2", 4, FieldKind::kTurkishUpper);
  edit3_ = Field(panel, "Edit3", 2, FieldKind::kDigits);
  edit4_ = new QLineEdit(panel);
  edit4_->setObjectName("Edit4");
  MakePatternField(edit4_);
  const struct {
    const char* label;
    QLineEdit* field;
    const char* example;
  } rows[] = {{"DERSİN ADI", edit1_, "(FEN VE TEKNOLOJİ)"},
              {"KISA ADI", edit2_, "FEN"},
              {"HAFTALIK DERS SAATİ", edit3_, "3"},
              {"YERLEŞTİRME BİÇİMİ", edit4_, "2+1"}};
  int r = 1;
  for (const auto& row : rows) {
    grid->addWidget(new QLabel(U8(row.label), panel), r, 0);
    grid->addWidget(row.field, r, 1);
    grid->addWidget(new QLabel(U8(row.example), panel), r, 2);
    ++r;
  }
  SetEntryPanel(panel, {edit1_, edit2_, edit3_, edit4_});
  QPushButton* grupBtn = AddButton("GrupBtn", U8("Gruplar"));
  connect(grupBtn, &QPushButton::clicked, this, &TDerslerForm::GrupBtnClick);
  SetEditWindow(new TDersEditForm(context, this));
  groupForm_ = new TDersGrupForm(context, this);
  resize(760, 560);
}

void TDerslerForm::GrupBtnClick() {
  const int row = grid()->SelectedRow();
  ExecReturningFocus(*groupForm_);
  Refill();  // group names may have changed
  grid()->SelectRow(row);
}

LessonFields TDerslerForm::Fields() const {
  return {ToRecordText(edit1_->text()), ToRecordText(edit2_->text()), Latin(edit3_),
          Latin(edit4_)};
}

bool TDerslerForm::EntryValid() const { return LessonFieldsValid(Fields()); }
QString TDerslerForm::SaveBlockedReason() const { return U8(LessonFieldsProblem(Fields())); }
Change TDerslerForm::SaveNew() { return SaveNewLesson(context().school, Fields()); }

}  // namespace kalvodrin
