// from-json FILE: a working folder written from the JSON form of a school. The whole
// document is checked before the first file is written.

#include <iostream>
#include <iterator>
#include <memory>
#include <optional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/data_files.h"
#include "core/file_io.h"
#include "core/school_json.h"

namespace kalvodrin::cli {
namespace {

struct FromJsonOptions {
  std::string file;
  std::string folder;
  bool overwrite = false;
};

Status ReadInput(const std::string& file, std::string& text) {
  if (file == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return Status::Ok();
  }
  std::optional<Bytes> content;
  if (Status s = ReadWholeFile(file, content); !s) return s;
  if (!content) return Status::Error(file + ": dosya yok");
  text.assign(content->begin(), content->end());
  return Status::Ok();
}

int RunFromJson(const FromJsonOptions& options, FileSystem& disk) {
  std::filesystem::path folder;
  if (Status s = ResolveFolder(options.folder, FolderUse::kWriting, folder); !s)
    return Fail(s.message());
  std::string text;
  if (Status s = ReadInput(options.file, text); !s) return Fail(s.message());
  auto school = std::make_unique<School>();
  school->WorkFolder = folder;
  if (Status s = SchoolFromJsonText(text, *school); !s)
    return Fail(options.file + ": " + s.message() + "; hiçbir şey yazılmadı");
  if (const std::string existing = FirstDataFileIn(folder);
      !existing.empty() && !options.overwrite)
    return Fail(folder.string() + ": zaten bir çalışma klasörü (" + existing +
                " var); üzerine yazmak için --overwrite; hiçbir şey yazılmadı");
  std::error_code ec;
  const bool fresh = !std::filesystem::exists(folder, ec);
  if (Status s = EnsureFolder(folder); !s) return Fail(s.message());
  if (Status s = SaveFiles(*school, FileSet::All(), disk); !s) {
    // A half-written new folder is no school; one that existed keeps its other files.
    if (fresh) std::filesystem::remove_all(folder, ec);
    return Fail(s.message());
  }
  return 0;
}

}  // namespace

void AddFromJsonCommand(CLI::App& app, CommandContext& context) {
  auto options = std::make_shared<FromJsonOptions>();
  CLI::App* command =
      app.add_subcommand("from-json", "JSON'daki okuldan bir çalışma klasörü yazar");
  command->add_option("FILE", options->file, "to-json'un yazdığı biçimde JSON dosyası (- = stdin)")
      ->required();
  AddFolderOption(*command, options->folder);
  command->add_flag("--overwrite", options->overwrite,
                    "Klasördeki mevcut veri dosyalarının üzerine yaz");
  command->callback(
      [options, &context] { context.exitCode = RunFromJson(*options, context.disk); });
}

}  // namespace kalvodrin::cli
