#include <gtest/gtest.h>

#include "core/record_creation.h"
#include "masterdata/entry_text.h"
#include "masterdata/list_rows.h"
#include "typed.h"

namespace kalvodrin {
namespace {

TEST(RowAfterDelete, SameRowWhileItExistsElseTheNewLastNoneWhenEmpty) {
  EXPECT_EQ(RowAfterDelete(2, 3), 2);  // a middle row: the next record moves up
  EXPECT_EQ(RowAfterDelete(4, 3), 3);  // the last row: the new last row
  EXPECT_EQ(RowAfterDelete(2, 1), 1);  // one row left
  EXPECT_EQ(RowAfterDelete(1, 0), 0);  // empty: focus to the entry field
}

TEST(ListRows, ShowTheColumnsOfEachWindow) {
  School school;
  AddLessonGroup(school, 4, Cp("SAYISAL"));
  AddLesson(school, 2, Cp("FİZİK"), "FZK", 4, 3, {2, 1}, 0);
  AddLesson(school, 3, "RESIM", "RSM", 0, 1, {1}, 0);
  AddClass(school, 5, "9", "A");
  AddRoom(school, 7, "SALON");
  AddTeacher(school, 9, Cp("ŞULE"), "", "9A", "");
  school.ReindexAll();
  school.Annex.bytes[4] = 1;

  const std::vector<ListRow> lessons = LessonRows(school);
  ASSERT_EQ(lessons.size(), 2u);
  EXPECT_EQ(lessons[0].cells,
            (std::vector<std::string>{"2", "FİZİK", "FZK", "3", "2+1", "SAYISAL"}));
  EXPECT_EQ(lessons[1].cells.back(), "");
  EXPECT_EQ(LessonColumns()[4].header, "  Y.B.");
  EXPECT_EQ(ClassRows(school)[0].cells,
            (std::vector<std::string>{"5", "1", "9", "A", "EKBİNA"}));
  EXPECT_TRUE(ClassColumns()[1].hidden);
  EXPECT_EQ(RoomRows(school)[0].cells, (std::vector<std::string>{"7", "1", "SALON"}));
  EXPECT_EQ(TeacherRows(school)[0].cells[1], "1");  // the visible NO is the order
  EXPECT_EQ(TeacherRows(school)[0].cells[2], "ŞULE");
  EXPECT_FALSE(TeacherColumns()[1].hidden);
  EXPECT_EQ(LessonGroupRows(school)[0].number, 4);
  EXPECT_EQ(RowOfNumber(lessons, 3), 2);
  EXPECT_EQ(RowOfNumber(lessons, 1), 0);
}

TEST(DeleteConfirmText, NamesTheRecordWithTheWindowsSuffix) {
  School school;
  AddLessonGroup(school, 1, "DIL");
  AddLesson(school, 1, Cp("TÜRKÇE"), "TRK", 0, 5, {5}, 0);
  AddClass(school, 1, "9", "");
  AddRoom(school, 1, "LAB");
  AddTeacher(school, 1, Cp("ÇAĞRI GÜNEŞ"), "", "", "");
  school.ReindexAll();
  EXPECT_EQ(DeleteConfirmText(school, EntityKind::kLessonGroup, 1),
            "DIL Ders Grubu silinecek !");
  EXPECT_EQ(DeleteConfirmText(school, EntityKind::kLesson, 1), "TÜRKÇE Dersi silinecek !");
  EXPECT_EQ(DeleteConfirmText(school, EntityKind::kClass, 1), "9  Sınıfı silinecek !");
  EXPECT_EQ(DeleteConfirmText(school, EntityKind::kRoom, 1), "LAB Dersliği silinecek !");
  EXPECT_EQ(DeleteConfirmText(school, EntityKind::kTeacher, 1),
            "ÇAĞRI GÜNEŞ adındaki öğretmen silinecek !");
  EXPECT_EQ(DeleteConfirmText(school, EntityKind::kTeacher, 2), "");
}

}  // namespace
}  // namespace kalvodrin
