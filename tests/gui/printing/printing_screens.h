#pragma once
// The printing windows for the PNG renderer: the print dialog, the printer settings
// and the previews of the printouts of a scheduled school.

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

namespace kalvodrin {

using SavePrintingWindow = std::function<void(QWidget* window, const QString& name)>;

// Works under `root`, on a scheduled copy of `sample` (a working folder) when given.
void RenderPrintingWindows(const SavePrintingWindow& save, const std::filesystem::path& root,
                           const char* sample);

}  // namespace kalvodrin
