#include "gui/common/message_window.h"

#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "gui/common/qt_text.h"
#include "gui_test_support.h"

namespace kalvodrin {
namespace {

using testing::MessageText;
using testing::OnNextModal;

QPushButton* Button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); }

// Presses Enter on whatever has the focus, as the user would.
void PressEnter() {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  QTest::keyClick(focus, Qt::Key_Return);
}

TEST(MessageWindowTest, ConfirmationAnsweredWithEnterIsCancelled) {
  TSilForm sil;
  bool iptalFocused = false;
  bool iptalShown = false;
  QString shown;
  OnNextModal([&](QDialog* d) {
    iptalShown = Button(d, "IptalBtn")->isVisible();
    iptalFocused = Button(d, "IptalBtn")->hasFocus();
    shown = MessageText(d);
    EXPECT_FALSE(sil.noticeFlag());
    PressEnter();
  });
  EXPECT_FALSE(sil.Confirm(U8("9 A Sınıfı silinecek !")));
  EXPECT_TRUE(iptalShown);
  EXPECT_TRUE(iptalFocused);
  EXPECT_EQ(shown, U8("9 A Sınıfı silinecek !"));
}

// A list window is modal while it shows. When the event loop turns between arming the
// answer and the key that opens the confirmation (a loaded machine), the answer still
// waits for the confirmation instead of taking the list window.
TEST(MessageWindowTest, TheAnswerWaitsForTheConfirmationOverAModalListWindow) {
  QDialog list;
  list.setObjectName("ListWindow");
  list.setModal(true);
  testing::Activate(&list);
  TSilForm sil;
  QString answered;
  OnNextModal([&answered](QDialog* d) {
    answered = d->objectName();
    if (QPushButton* tamam = Button(d, "TamamBtn")) QTest::mouseClick(tamam, Qt::LeftButton);
  });
  QTest::qWait(30);
  ASSERT_TRUE(answered.isEmpty()) << answered.toStdString();
  EXPECT_TRUE(sil.Confirm("X"));
  EXPECT_EQ(answered, "TSilForm");
  EXPECT_TRUE(list.isVisible());
}

TEST(MessageWindowTest, ConfirmationNeedsTamamAndEscapeCancels) {
  TSilForm sil;
  OnNextModal([](QDialog* d) { QTest::mouseClick(Button(d, "TamamBtn"), Qt::LeftButton); });
  EXPECT_TRUE(sil.Confirm("X"));
  OnNextModal([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
  EXPECT_FALSE(sil.Confirm("X"));
}

TEST(MessageWindowTest, ClickingIntoTheTextKeepsEnterCancelling) {
  TSilForm sil;
  OnNextModal([](QDialog* d) {
    auto* text = d->findChild<QTextEdit*>("RichEdit1");
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    EXPECT_TRUE(Button(d, "IptalBtn")->hasFocus());
    PressEnter();
  });
  EXPECT_FALSE(sil.Confirm("X"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(MessageWindowTest, NoticesShowOnlyTamamAtTheSamePlaceEveryTime) {
  TSilForm sil;
  QList<QRect> places;
  auto noticeShowing = [&](QDialog* d) {
    EXPECT_TRUE(sil.noticeFlag());
    EXPECT_FALSE(Button(d, "IptalBtn")->isVisible());
    EXPECT_TRUE(Button(d, "TamamBtn")->hasFocus());
    places << Button(d, "TamamBtn")->geometry();
    PressEnter();  // Enter closes a notice
  };
  OnNextModal(noticeShowing);
  sil.Notice(U8("Yol Kaydedildi."));
  EXPECT_FALSE(sil.noticeFlag());
  OnNextModal(noticeShowing);
  sil.Notice(U8("Yol Kaydedildi."));
  // A confirmation in between must not disturb the notice layout either.
  OnNextModal([](QDialog* d) { EXPECT_TRUE(Button(d, "IptalBtn")->isVisible()); d->reject(); });
  sil.Confirm("X");
  OnNextModal(noticeShowing);
  sil.Notice(U8("Yol Kaydedildi."));
  ASSERT_EQ(places.size(), 3);
  EXPECT_EQ(places[0], places[1]);
  EXPECT_EQ(places[1], places[2]);
}

TEST(MessageWindowTest, EachShowingReplacesTheText) {
  TSilForm sil;
  QString seen;
  OnNextModal([&](QDialog* d) { d->accept(); });
  sil.Notice("ilk");
  OnNextModal([&](QDialog* d) {
    seen = MessageText(d);
    d->accept();
  });
  sil.Notice(U8("İKİNCİ"));
  EXPECT_EQ(seen, U8("İKİNCİ"));
  EXPECT_EQ(sil.windowTitle(), U8(" ÖĞRETMEN DERS PROGRAMI"));
}

}  // namespace
}  // namespace kalvodrin
