// GoogleTest main for the window tests: one QApplication for all of them, on the
// offscreen platform unless the caller chose another, in the program's own style.
#include <QApplication>

#include <gtest/gtest.h>

#include "gui/common/capital_marks_style.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kalvodrin::InstallCapitalMarksStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
