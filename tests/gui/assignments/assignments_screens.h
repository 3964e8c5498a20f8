#pragma once
// The assignment windows for the PNG renderer, over a small school with Turkish names.

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

namespace kalvodrin {

using SaveWindow = std::function<void(QWidget* window, const QString& name)>;

// Works in a working folder under `root`.
void RenderAssignmentWindows(const SaveWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
