#pragma once
// The duty windows for the PNG renderer, over a small school with duties.

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

namespace kalvodrin {

using SaveDutyWindow = std::function<void(QWidget* window, const QString& name)>;

// Works in a working folder under `root`.
void RenderDutyWindows(const SaveDutyWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
