#pragma once
// How the commands write a printout as a PDF file. The drawing needs Qt's painting,
// which the tool does not link: loading Qt's libraries would cost every command more
// time than most take to run. The PDF module (built with the Qt canvas) is loaded
// instead, the first time a command prints.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/status.h"
#include "printing/canvas.h"
#include "printing/pdf_module_entry.h"
#include "printing/pdf_page.h"

namespace kalvodrin::cli {

// The file name of the PDF module.
inline constexpr char kPdfModuleFile[] = "kalvodrin-pdf.so";

// Where the module of a program in `programFolder` may be: beside it (the build tree),
// then in the package's library folder (lib/kalvodrin beside the program's bin).
std::vector<std::filesystem::path> PdfModulePlaces(const std::filesystem::path& programFolder);

// The folder of the running program; empty when the system does not tell.
std::filesystem::path ProgramFolder();

class PdfWriter {
 public:
  // A writer that loads the module from the first of `places` that holds it.
  explicit PdfWriter(std::vector<std::filesystem::path> places);

  // Draws with `draw` into a new PDF file that replaces `file` only when the whole
  // document was written. An error that says so, and nothing written, when the module
  // cannot be loaded.
  Status Write(const std::filesystem::path& file, const PdfPage& page,
               const std::function<void(Canvas&)>& draw, FileSystem& disk);

 private:
  Status Load();

  std::vector<std::filesystem::path> places_;
  const PdfModuleEntry* entry_ = nullptr;
};

}  // namespace kalvodrin::cli
