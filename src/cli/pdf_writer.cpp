#include "cli/pdf_writer.h"

#include <dlfcn.h>

#include <system_error>
#include <utility>

#include "core/file_io.h"

namespace kalvodrin::cli {

std::vector<std::filesystem::path> PdfModulePlaces(const std::filesystem::path& programFolder) {
  return {programFolder / kPdfModuleFile,
          programFolder.parent_path() / "lib" / "kalvodrin" / kPdfModuleFile};
}

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : program.parent_path();
}

PdfWriter::PdfWriter(std::vector<std::filesystem::path> places) : places_(std::move(places)) {}

// The module stays loaded until the program ends: the Qt application it starts lives
// as long.
Status PdfWriter::Load() {
  if (entry_ != nullptr) return Status::Ok();
  for (const std::filesystem::path& place : places_) {
    std::error_code error;
    if (!std::filesystem::exists(place, error)) continue;
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (module == nullptr)
      return Status::Error("PDF modülü yüklenemedi: " + std::string(dlerror()));
    void* symbol = dlsym(module, kPdfModuleSymbol);
    const auto entryOf = reinterpret_cast<PdfModuleEntryFunction>(symbol);
    const PdfModuleEntry* entry = entryOf != nullptr ? entryOf() : nullptr;
    if (entry == nullptr || entry->version != kPdfModuleVersion)
      return Status::Error("PDF modülü bu sürümün değil: " + place.string());
    entry_ = entry;
    return Status::Ok();
  }
  std::string looked;
  for (const std::filesystem::path& place : places_)
    looked += (looked.empty() ? "" : ", ") + place.string();
  return Status::Error("PDF yazdırma modülü bulunamadı (" + looked +
                       "); PDF yazmak için programı modülüyle birlikte kurun");
}

Status PdfWriter::Write(const std::filesystem::path& file, const PdfPage& page,
                        const std::function<void(Canvas&)>& draw, FileSystem& disk) {
  if (Status loaded = Load(); !loaded) return loaded;
  Bytes document;
  if (!entry_->render(page, draw, document)) return Status::Error(file.string() + " yazılamadı");
  return WriteFileAtomically(file, document, disk);
}

}  // namespace kalvodrin::cli
