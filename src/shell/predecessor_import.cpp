#include "shell/predecessor_import.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <utility>

#include "core/file_io.h"
#include "core/storage.h"
#include "shell/predecessor_conversion.h"
#include "shell/predecessor_records.h"

namespace kalvodrin {
namespace {

// What the import replaces; the others a new school has empty.
constexpr std::array kImportedFiles = {
    DataFile::kLessons,        DataFile::kClasses,      DataFile::kTeachers,
    DataFile::kClassLessons,   DataFile::kTeacherLessons, DataFile::kTeacherGrids,
    DataFile::kClassGrids,
};

bool IsFileIn(const std::filesystem::path& folder, std::string_view name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(ResolveInFolder(folder, name), ec);
}

// A collection file with at least one whole record.
bool HoldsRecords(const std::filesystem::path& folder, const DataFileInfo& info) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(ResolveInFolder(folder, info.name), ec);
  return !ec && size >= info.recordSize;
}

// The most a predecessor file can hold: one record per number (255) for lessons,
// classes, teachers and timetables; one per class and lesson for class lessons; and
// fifteen teachers to each of those for teacher lessons.
std::size_t MostRecordsOf(std::string_view name) {
  constexpr std::size_t kNumbers = 255;
  if (name == kVelClassLessons) return kNumbers * kNumbers;
  if (name == kVelTeacherLessons) return kNumbers * kNumbers * static_cast<std::size_t>(kMaxListed);
  return kNumbers;
}

// Reads at most what the file can hold and refuses a longer one: a file linked to an
// endless device must not grow memory until the program dies.
Status ReadSource(const std::filesystem::path& source, std::string_view name,
                  std::size_t recordSize, std::optional<Bytes>& content) {
  content.reset();
  const std::filesystem::path path = ResolveInFolder(source, name);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return Status::Ok();
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::Error(path.string() + ": " + std::strerror(errno));
  const std::size_t most = MostRecordsOf(name) * recordSize;
  Bytes bytes(most + 1);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return Status::Error(path.string() + ": okunamadı");
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > most)
    return Status::Error(path.string() + ": " + std::to_string(most) +
                         " bayttan uzun; eski programın bu dosyası bu kadar kayıt tutamaz. "
                         "Hiçbir şey aktarılmadı.");
  content = std::move(bytes);
  return Status::Ok();
}

}  // namespace

ImportCheckResult CheckImport(const std::filesystem::path& source,
                              const std::filesystem::path& workFolder) {
  for (std::string_view name : kVelConverted)
    if (!IsFileIn(source, name)) return {ImportDue::kSourceMissing, std::string(name)};
  for (std::string_view name : kVelConverted)
    if (IsFileIn(workFolder, name)) return {ImportDue::kAlreadyImported, std::string(name)};
  for (const DataFileInfo& info : kDataFiles) {
    if (info.file == DataFile::kAnnexFlags || info.file == DataFile::kSettings) continue;
    if (HoldsRecords(workFolder, info))
      return {ImportDue::kFolderHasSchool, std::string(info.name)};
  }
  return {};
}

std::string ImportCheckText(const ImportCheckResult& result) {
  switch (result.due) {
    case ImportDue::kDue:
      return {};
    case ImportDue::kSourceMissing:
      return "Eski programın " + result.file + " dosyası yok; aktarılacak veri yok.";
    case ImportDue::kAlreadyImported:
      return "Eski programın verileri bu çalışma dizinine daha önce aktarılmış (" +
             result.file + " var).";
    case ImportDue::kFolderHasSchool:
      return "Çalışma dizininde bir okulun verileri var (" + result.file +
             "); üzerine aktarılmadı.";
  }
  return {};
}

std::string ImportReportText(const std::vector<std::string>& report) {
  std::string text =
      "Eski programın verileri aktarıldı. Aktarılamayan ya da değiştirilerek aktarılan "
      "kayıtlar:";
  for (const std::string& line : report) text += "\n" + line;
  return text;
}

Status ImportFiles(const std::filesystem::path& source, NamedFiles& files,
                   std::vector<std::string>& report) {
  VelFiles read;
  struct Source {
    std::string_view name;
    std::size_t recordSize;
    std::optional<Bytes>* content;
  };
  const std::array<Source, 7> sources = {{
      {kVelLessons, sizeof(VelLessonRec), &read.lessons},
      {kVelClasses, sizeof(VelClassRec), &read.classes},
      {kVelTeachers, sizeof(VelTeacherRec), &read.teachers},
      {kVelClassLessons, sizeof(VelClassLessonRec), &read.classLessons},
      {kVelTeacherLessons, sizeof(TTeacherLessonRec), &read.teacherLessons},
      {kVelClassGrids, sizeof(VelClassGridRec), &read.classGrids},
      {kVelTeacherGrids, sizeof(VelTeacherGridRec), &read.teacherGrids},
  }};
  for (const Source& f : sources)
    if (Status s = ReadSource(source, f.name, f.recordSize, *f.content); !s) return s;
  VelConversion converted = ConvertVel(read);
  files.clear();
  for (DataFile file : kImportedFiles)
    files.push_back({std::string(InfoOf(file).name), DataFileImage(*converted.school, file)});
  for (std::size_t i = 0; i < kVelConverted.size(); ++i)
    files.push_back({std::string(kVelConverted[i]), std::move(converted.copies[i])});
  report = std::move(converted.report);
  return Status::Ok();
}

bool VelImport::Check(const School& school) {
  return CheckImport(source_, school.WorkFolder).due == ImportDue::kDue;
}

Status VelImport::Convert(School& school) {
  NamedFiles files;
  std::vector<std::string> report;
  if (Status s = ImportFiles(source_, files, report); !s) return s;
  LocalFileSystem local;
  if (Status s = WriteTogether(school.WorkFolder, files, disk_ != nullptr ? *disk_ : local); !s)
    return s;
  report_ = std::move(report);
  return Status::Ok();
}

}  // namespace kalvodrin
