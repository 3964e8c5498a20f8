// The printing windows driven as a user would: the print dialog's choice, the printer
// settings stored and saved, previews of real printouts, and the teacher window's F9.
#include <QCheckBox>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gui/common/key_line.h"
#include "gui/common/print_requests.h"
#include "gui/masterdata/teacher_forms.h"
#include "gui/printing/print_dialog.h"
#include "gui/printing/print_service.h"
#include "gui/printing/printer_settings_form.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

using PrintingWindows = WindowFixture;
using PrinterSettingsKeys = WindowFixture;

TEST_F(PrintingWindows, PrintDialogReturnsTheChoiceOrNothing) {
  int setups = 0;
  TYazdirForm form(context(), [&] { ++setups; });
  EXPECT_EQ(form.windowTitle(), U8("YAZDIR"));
  EXPECT_TRUE(Child<QRadioButton>(&form, "SecimRadio")->isChecked());
  OnNextModal([](QDialog* d) {
    QTest::mouseClick(Child<QPushButton>(d, "YaziciBtn"), Qt::LeftButton);
    Child<QRadioButton>(d, "TumuRadio")->setChecked(true);
    QTest::mouseClick(Child<QPushButton>(d, "YazdirBtn"), Qt::LeftButton);
  });
  EXPECT_EQ(form.Ask(120), PrintChoice::kAll);
  EXPECT_EQ(setups, 1);
  OnNextModal([](QDialog* d) {
    Child<QRadioButton>(d, "CarsafRadio")->setChecked(true);
    QTest::mouseClick(Child<QPushButton>(d, "IptalBtn"), Qt::LeftButton);
  });
  EXPECT_EQ(form.Ask(129), std::nullopt);
}

TEST_F(PrintingWindows, PrinterSettingsShowStoreAndSave) {
  TYaziciForm form(context());
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(Child(d, "Edit3")->text(), "1830");
    EXPECT_EQ(Child(d, "Edit9")->text(), "3700");
    EXPECT_EQ(Child(d, "Edit6")->text(), "Courier New");
    auto* lessonList = Child<QCheckBox>(d, "CheckBox2");
    auto* twoPerPage = Child<QCheckBox>(d, "CheckBox3");
    EXPECT_TRUE(twoPerPage->isChecked());
    lessonList->setChecked(true);
    EXPECT_FALSE(twoPerPage->isChecked());
    twoPerPage->setChecked(true);
    EXPECT_FALSE(lessonList->isChecked());
    Type(d, "Edit1", "55x");  // digits only
    Child<QCheckBox>(d, "CheckBox6")->setChecked(true);
    QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
  });
  EXPECT_EQ(form.Open(), QDialog::Accepted);
  EXPECT_EQ(school.Settings.topMargin.get(), 55);
  EXPECT_EQ(OnDisk().Settings.topMargin.get(), 55);
  EXPECT_EQ(OnDisk().Settings.sheetPrintRooms.get(), 1);

  // A font size of 0 is refused with a notice; nothing changes.
  OnNextModal([this](QDialog* d) {
    Type(d, "Edit5", "0");
    Type(d, "Edit1", "77");
    OnNextModal(
        [this](QDialog* notice) {
          lastMessage = MessageText(notice);
          notice->accept();
        },
        d);
    QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
    QTimer::singleShot(50, d, &QDialog::reject);
  });
  EXPECT_EQ(form.Open(), QDialog::Rejected);
  EXPECT_TRUE(lastMessage.contains(U8("FONT BÜYÜKLÜĞÜ"))) << lastMessage.toStdString();
  EXPECT_EQ(OnDisk().Settings.topMargin.get(), 55);
  EXPECT_EQ(school.Settings.fontSize.get(), 9);
}

// Ctrl+S saves from any field, the font fields too, and says so in the key line.
TEST_F(PrinterSettingsKeys, CtrlSSavesFromAnyField) {
  TYaziciForm form(context());
  OnNextModal([&](QDialog* d) {
    EXPECT_TRUE(Child<KeyLine>(d, "KeyLine")->text().contains("Ctrl+S"));
    Type(d, "Edit2", "37");
    Child(d, "Edit6")->setFocus();
    Key(d, Qt::Key_S, Qt::ControlModifier);
    if (d->isVisible()) d->reject();  // not saved: the checks below say so
  });
  EXPECT_EQ(form.Open(), QDialog::Accepted);
  EXPECT_EQ(OnDisk().Settings.leftMargin.get(), 37);
}

TEST_F(PrinterSettingsKeys, EnterSavesExceptInTheFontFieldsWhichOpenTheFontDialog) {
  TYaziciForm form(context());
  int fontDialogs = 0;
  int strayDialogs = 0;
  bool open = false;
  OnNextModal([&](QDialog* d) {
    {
      ModalCounter fonts;
      for (const char* field : {"Edit5", "Edit6"}) {
        Child(d, field)->setFocus();
        QTest::keyClick(Child(d, field), Qt::Key_Return);
        QTest::qWait(50);
      }
      fontDialogs = fonts.count();
    }
    open = d->isVisible();
    ModalCounter stray;
    Type(d, "Edit1", "42");
    QTest::keyClick(Child(d, "Edit1"), Qt::Key_Return);
    QTest::qWait(50);
    strayDialogs = stray.count();
    if (d->isVisible()) d->reject();
  });
  EXPECT_EQ(form.Open(), QDialog::Accepted);
  EXPECT_EQ(fontDialogs, 2);  // one for each field, and the window stays open
  EXPECT_TRUE(open);
  EXPECT_EQ(strayDialogs, 0);
  EXPECT_EQ(OnDisk().Settings.topMargin.get(), 42);
}

// Opens the preview of `print`, counts its pages and closes it without printing.
int PreviewPages(PrintService& service, const std::function<bool()>& print) {
  int pages = -1;
  service.onPreview = [&](QPrintPreviewDialog& preview) {
    OnNextModal([&](QDialog* d) {
      auto* widget = d->findChild<QPrintPreviewWidget*>();
      if (widget != nullptr) {
        widget->updatePreview();
        pages = widget->pageCount();
      }
      d->reject();
    });
    static_cast<void>(preview);
  };
  EXPECT_FALSE(print());
  service.onPreview = nullptr;
  return pages;
}

// Adds the teachers ÖĞRETMEN 1 to ÖĞRETMEN `count`, each with an empty timetable.
void AddTeachers(School& school, int count) {
  for (int k = 1; k <= count; ++k) {
    TTeacherRec t{};
    t.order = static_cast<uint8_t>(k);
    t.number = static_cast<uint8_t>(k);
    t.name.assign(ToRecordText(U8("ÖĞRETMEN ") + QString::number(k)));
    school.Teachers.push_back(t);
    TTeacherGridRec g{};
    g.teacher = static_cast<uint8_t>(k);
    school.TeacherGrids.push_back(g);
  }
  school.ReindexAll();
}

TEST_F(PrintingWindows, PreviewsShowThePrintoutsPages) {
  school.Settings.schoolName.assign(ToRecordText(U8("Işıklı Lisesi")));
  AddTeachers(school, 3);
  PrintService service(context(), nullptr);
  EXPECT_EQ(PreviewPages(service, [&] { return service.PrintTeacherList(); }), 1);
  EXPECT_EQ(PreviewPages(service, [&] { return service.PrintTeacherTimetables({1, 3}); }), 2);
  EXPECT_EQ(PreviewPages(service, [&] { return service.PrintDutyChart(); }), 1);

  // From a timetable window: "Tümü" from the second teacher gives two pages (one
  // copy each); the settings are read again from the file afterwards.
  school.Settings.fontSize.set(11);
  school.Settings.twoPerPage.set(0);
  int pages = -1;
  OnNextModal([&](QDialog* d) {
    Child<QRadioButton>(d, "TumuRadio")->setChecked(true);
    service.onPreview = [&, d](QPrintPreviewDialog&) {
      OnNextModal(
          [&](QDialog* preview) {
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            widget->updatePreview();
            pages = widget->pageCount();
            preview->reject();
          },
          d);
    };
    QTest::mouseClick(Child<QPushButton>(d, "YazdirBtn"), Qt::LeftButton);
  });
  EXPECT_FALSE(service.PrintFromTimetableWindow(TimetableView::kTeacher, 2));
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(school.Settings.fontSize.get(), 9);
}

// The paper stands as the printout prefers (upright for a timetable, turned for the
// overview sheets) until the user turns it; from then on as the user set it. On a
// turned A4 a teacher's two copies do not fit one above the other: each gets a page,
// and the preview says so as soon as the paper is turned in it.
TEST_F(PrintingWindows, ThePaperIsTurnedAsTheUserSetItAndThePreviewSaysHowItFits) {
  TTeacherRec t{};
  t.order = t.number = 1;
  t.name.assign(ToRecordText(U8("AYŞE YILMAZ")));
  school.Teachers.push_back(t);
  TTeacherGridRec g{};
  g.teacher = 1;
  school.TeacherGrids.push_back(g);
  school.ReindexAll();
  PrintService service(context(), nullptr);
  service.printer().setPageSize(QPageSize(QPageSize::A4));
  struct Seen {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int pages = -1;
    QString note;
  };
  const auto print = [&](bool sheet, bool turnPaper) {
    Seen seen;
    OnNextModal([&](QDialog* d) {
      Child<QRadioButton>(d, sheet ? "CarsafRadio" : "SecimRadio")->setChecked(true);
      service.onPreview = [&, d](QPrintPreviewDialog&) {
        OnNextModal(
            [&](QDialog* preview) {
              auto* widget = preview->findChild<QPrintPreviewWidget*>();
              widget->updatePreview();
              seen.orientation = service.printer().pageLayout().orientation();
              if (turnPaper)
                for (QAction* a : preview->findChildren<QAction*>())
                  if (a->text() == QPrintPreviewDialog::tr("Landscape")) a->trigger();
              widget->updatePreview();
              seen.pages = widget->pageCount();
              seen.note = Child<QLabel>(preview, "PreviewNote")->text();
              preview->reject();
            },
            d);
      };
      QTest::mouseClick(Child<QPushButton>(d, "YazdirBtn"), Qt::LeftButton);
    });
    service.PrintFromTimetableWindow(TimetableView::kTeacher, 1);
    service.onPreview = nullptr;
    return seen;
  };
  EXPECT_EQ(print(true, false).orientation, QPageLayout::Landscape);
  const Seen upright = print(false, false);
  EXPECT_EQ(upright.orientation, QPageLayout::Portrait);
  EXPECT_EQ(upright.pages, 1);
  EXPECT_EQ(upright.note, "");
  EXPECT_FALSE(service.paperSetByUser());
  const Seen turned = print(false, true);
  EXPECT_TRUE(service.paperSetByUser());
  EXPECT_EQ(turned.pages, 2);
  EXPECT_TRUE(turned.note.contains(U8("ayrı sayfaya"))) << turned.note.toStdString();
  EXPECT_EQ(print(false, false).orientation, QPageLayout::Landscape);  // stays as set
}

// The text of a PDF file as pdftotext reads it; empty when it cannot.
std::string PdfText(const std::filesystem::path& pdf) {
  const std::filesystem::path text = pdf.string() + ".txt";
  const std::string command = "pdftotext -layout '" + pdf.string() + "' '" + text.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream in(text);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// "upright" or "turned" as pdfinfo reads the first page's size; empty when it cannot.
std::string PdfPaper(const std::filesystem::path& pdf) {
  const std::filesystem::path info = pdf.string() + ".info";
  const std::string command = "pdfinfo '" + pdf.string() + "' > '" + info.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream in(info);
  for (std::string line; std::getline(in, line);) {
    double width = 0, height = 0;
    if (std::sscanf(line.c_str(), "Page size: %lf x %lf", &width, &height) == 2)
      return width > height ? "turned" : "upright";
  }
  return {};
}

TEST_F(PrintingWindows, PdfFromThePrintDialogIsWhatThePrinterWouldGetWithoutAPreview) {
  AddTeachers(school, 2);
  PrintService service(context(), nullptr);
  QString suggested;
  service.printDialog().SetFileChooser([&](QWidget*, const QString& name) {
    suggested = name;
    return QString::fromStdString((folder.path() / "program").string());  // no suffix typed
  });
  int previews = 0;
  service.onPreview = [&](QPrintPreviewDialog&) { ++previews; };
  OnNextModal([](QDialog* d) {
    Child<QRadioButton>(d, "TumuRadio")->setChecked(true);
    QTest::mouseClick(Child<QPushButton>(d, "PdfBtn"), Qt::LeftButton);
  });
  EXPECT_TRUE(service.PrintFromTimetableWindow(TimetableView::kTeacher, 1));
  EXPECT_EQ(previews, 0);
  EXPECT_TRUE(suggested.endsWith(".pdf"));
  const std::filesystem::path pdf = folder.path() / "program.pdf";
  ASSERT_TRUE(std::filesystem::exists(pdf));
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("ÖĞRETMEN 1"), std::string::npos) << text;
  EXPECT_NE(text.find("ÖĞRETMEN 2"), std::string::npos);
  // The paper stands as for the printer: upright for a timetable, turned for the
  // overview sheet, while the user has not turned it.
  EXPECT_EQ(PdfPaper(pdf), "upright");
  OnNextModal([](QDialog* d) {
    Child<QRadioButton>(d, "CarsafRadio")->setChecked(true);
    QTest::mouseClick(Child<QPushButton>(d, "PdfBtn"), Qt::LeftButton);
  });
  EXPECT_TRUE(service.PrintFromTimetableWindow(TimetableView::kTeacher, 1));
  EXPECT_EQ(PdfPaper(pdf), "turned");

  // A cancelled chooser leaves the dialog open; the next print goes to the printer.
  service.printDialog().SetFileChooser([](QWidget*, const QString&) { return QString(); });
  OnNextModal([](QDialog* d) {
    QTest::mouseClick(Child<QPushButton>(d, "PdfBtn"), Qt::LeftButton);
    EXPECT_TRUE(d->isVisible());
    QTest::mouseClick(Child<QPushButton>(d, "IptalBtn"), Qt::LeftButton);
  });
  EXPECT_FALSE(service.PrintFromTimetableWindow(TimetableView::kTeacher, 1));
  EXPECT_TRUE(service.printDialog().pdfFile().isEmpty());
}

// Records what the teacher window asks of the printing.
class CountingPrints : public PrintRequests {
 public:
  bool PrintFromTimetableWindow(TimetableView, int) override { return false; }
  bool PrintTeacherList() override { return ++lists, true; }
  bool PrintDutyChart() override { return false; }
  bool PrintTeacherTimetables(const std::vector<int>&) override { return false; }
  void OpenPrinterSettings() override {}
  int lists = 0;
};

TEST_F(PrintingWindows, TeacherWindowPrintsTheListWithF9AndItsButton) {
  CountingPrints prints;
  AppContext withPrinting = context();
  withPrinting.printing = &prints;
  TOgretmenForm form(withPrinting);
  Activate(&form);
  ASSERT_TRUE(form.yazdirBtn()->isEnabled());
  Key(&form, Qt::Key_F9);
  QTest::mouseClick(form.yazdirBtn(), Qt::LeftButton);
  Key(&form, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(prints.lists, 3);
}

}  // namespace
}  // namespace kalvodrin::testing
