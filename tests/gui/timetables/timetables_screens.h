#pragma once
// The timetable windows for the PNG renderer: each on the placed sample school, and
// the teacher window once in the middle of a run with its panel showing.

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

namespace kalvodrin {

using SaveTimetableWindow = std::function<void(QWidget* window, const QString& name)>;

// Works in working folders under `root`.
void RenderTimetableWindows(const SaveTimetableWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
