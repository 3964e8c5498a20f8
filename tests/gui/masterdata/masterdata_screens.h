#pragma once
// The master-data windows for the PNG renderer: each window over a small sample school
// whose names use every Turkish capital.

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

namespace kalvodrin {

using SaveWindow = std::function<void(QWidget* window, const QString& name)>;

// Works in a working folder under `root`.
void RenderMasterDataWindows(const SaveWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
