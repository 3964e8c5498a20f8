// ApplyChange, the one step between an operation and the user: a refusal is shown in
// the words of the window's area, nothing else is ever shown for a change that did
// not happen.
#include "gui/common/apply_change.h"

#include <gtest/gtest.h>

#include "core/school.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui_test_support.h"

namespace kalvodrin {
namespace {

using testing::AcceptNextMessage;
using testing::ModalCounter;

class ApplyChangeTest : public ::testing::Test {
 protected:
  School school;
  TSilForm sil;
  THelpForm help;
  AppContext context{school, sil, help};
  // Words only the full list; any other refusal goes unworded.
  RefusalText words = [](const Change& change) {
    return change.outcome == Outcome::kFull ? std::string("LİSTE DOLU") : std::string();
  };
};

TEST_F(ApplyChangeTest, ARefusalIsShownInTheAreasWords) {
  QString shown;
  AcceptNextMessage(shown);
  EXPECT_FALSE(ApplyChange(context, Refused(Outcome::kFull), words));
  EXPECT_EQ(shown, U8("LİSTE DOLU"));
}

TEST_F(ApplyChangeTest, NothingIsShownForNoChangeOrARefusalWithoutWords) {
  ModalCounter windows;
  EXPECT_FALSE(ApplyChange(context, Refused(Outcome::kUnchanged), words));
  EXPECT_FALSE(ApplyChange(context, Refused(Outcome::kNotFound), words));
  EXPECT_FALSE(ApplyChange(context, Refused(Outcome::kFull), RefusalText()));
  QTest::qWait(30);
  EXPECT_EQ(windows.count(), 0);
}

TEST_F(ApplyChangeTest, ADoneChangeWithNothingToSaveReportsTheSchoolChanged) {
  ModalCounter windows;
  EXPECT_TRUE(ApplyChange(context, Change{Outcome::kDone, {}, 3, 0}, words));
  QTest::qWait(30);
  EXPECT_EQ(windows.count(), 0);
}

}  // namespace
}  // namespace kalvodrin
