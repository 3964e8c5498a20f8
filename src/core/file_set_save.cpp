#include "core/file_set_save.h"

#include <cstddef>

namespace kalvodrin {
namespace {

using std::filesystem::path;

path WithSuffix(const path& file, std::string_view suffix) {
  path result = file;
  result += std::string(suffix);
  return result;
}

path NewOf(const path& file) { return WithSuffix(file, kNewSuffix); }
path AsideOf(const path& file) { return WithSuffix(file, kAsideSuffix); }
path ListIn(const path& folder) { return folder / std::string(kSaveListName); }
path ListBeingWrittenIn(const path& folder) { return WithSuffix(ListIn(folder), ".tmp"); }

bool IsFile(const path& name, FileSystem& disk) {
  return disk.Exists(name) && !disk.IsFolder(name);
}

Bytes ListImage(const std::vector<FileImage>& files) {
  Bytes bytes;
  for (const FileImage& f : files) {
    const std::string name = f.path.filename().string();
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.push_back('\n');
  }
  return bytes;
}

// The names of the list, one a line. A name that would reach out of the folder is
// not ours and is skipped.
std::vector<std::string> ParseList(const Bytes& bytes) {
  std::vector<std::string> names;
  std::string name;
  for (uint8_t b : bytes) {
    if (b != '\n') {
      name += static_cast<char>(b);
      continue;
    }
    if (!name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos)
      names.push_back(name);
    name.clear();
  }
  return names;
}

// The list is written under a name of its own first and renamed into place only once
// the new files are whole: a crash before that must read as "no decision", and the
// list being written still names what to clear away.
Status WriteList(const path& folder, const std::vector<FileImage>& files, FileSystem& disk) {
  return disk.WriteDurably(ListBeingWrittenIn(folder), ListImage(files), path());
}

Status DecideList(const path& folder, FileSystem& disk) {
  return disk.Rename(ListBeingWrittenIn(folder), ListIn(folder));
}

// A folder where the save would put or leave a file of its own is the user's: renaming
// it aside would hide it, and a folder is never removed, so every later start would
// stop at it. The save is refused before anything is written.
Status RefuseFoldersInTheWay(const std::vector<FileImage>& files, FileSystem& disk) {
  const path folder = files.front().path.parent_path();
  std::vector<path> names{ListIn(folder), ListBeingWrittenIn(folder)};
  for (const FileImage& f : files)
    for (const path& name : {f.path, NewOf(f.path), AsideOf(f.path)}) names.push_back(name);
  for (const path& name : names)
    if (disk.IsFolder(name))
      return Status::Error(name.string() +
                           ": bu adda bir klasör var, dosya onun yerine yazılamaz. Klasörün "
                           "adını değiştiriniz ya da onu taşıyınız. Hiçbir dosya yazılmadı.");
  return Status::Ok();
}

class SetSave {
 public:
  SetSave(const std::vector<FileImage>& files, FileSystem& disk)
      : files_(files), disk_(disk), folder_(files.front().path.parent_path()) {}

  Status Run() {
    if (Status s = WriteList(folder_, files_, disk_); !s) {
      static_cast<void>(disk_.Remove(ListBeingWrittenIn(folder_)));
      return s;
    }
    if (Status s = WriteNewFiles(); !s) return s;
    disk_.SyncFolder(folder_);  // new files and list are on disk before the decision
    if (Status s = DecideList(folder_, disk_); !s) {
      RemoveNewFiles();
      return s;
    }
    disk_.SyncFolder(folder_);
    for (const FileImage& f : files_)
      if (Status s = PutInPlace(f.path); !s) return s;
    disk_.SyncFolder(folder_);
    RemoveAsideAndList();
    return Status::Ok();
  }

 private:
  Status WriteNewFiles() {
    for (std::size_t i = 0; i < files_.size(); ++i) {
      const path& target = files_[i].path;
      if (Status s = disk_.WriteDurably(NewOf(target), files_[i].content, target); !s) {
        written_ = i + 1;  // a failed write may have left part of the file
        RemoveNewFiles();
        return s;
      }
    }
    written_ = files_.size();
    return Status::Ok();
  }

  // The list being written goes last: until then it names what is left to clear.
  void RemoveNewFiles() {
    bool clean = true;
    for (std::size_t i = 0; i < written_; ++i)
      clean = disk_.Remove(NewOf(files_[i].path)).ok() && clean;
    if (clean) static_cast<void>(disk_.Remove(ListBeingWrittenIn(folder_)));
    disk_.SyncFolder(folder_);
  }

  Status PutInPlace(const path& target) {
    const bool old = disk_.Exists(target);
    if (old)
      if (Status s = disk_.Rename(target, AsideOf(target)); !s) return Undo(s);
    if (Status s = disk_.Rename(NewOf(target), target); !s) {
      if (old && !disk_.Rename(AsideOf(target), target)) return Unfinished(s);
      return Undo(s);
    }
    hadOld_.push_back(old);
    return Status::Ok();
  }

  // Every file put in place goes back beside its old one, newest first, so that the
  // folder passes back through the states it came through. Should a step of that
  // fail, the list stays and the next start finishes the save instead.
  Status Undo(const Status& failure) {
    for (std::size_t i = hadOld_.size(); i-- > 0;) {
      const path& target = files_[i].path;
      if (!disk_.Rename(target, NewOf(target))) return Unfinished(failure);
      if (hadOld_[i] && !disk_.Rename(AsideOf(target), target)) return Unfinished(failure);
    }
    disk_.SyncFolder(folder_);
    if (!disk_.Rename(ListIn(folder_), ListBeingWrittenIn(folder_))) return Unfinished(failure);
    RemoveNewFiles();
    return failure;
  }

  // The list stays, so the next start finishes the save; until then no other save
  // may replace it.
  Status Unfinished(const Status& failure) {
    const std::optional<UnfinishedSave> left = UnfinishedSaveIn(folder_, disk_);
    return Status::Error(failure.message() + "\n" +
                         UnfinishedSaveText(left.value_or(UnfinishedSave{})));
  }

  // The set is in; what is left of this step is finished at the next start.
  void RemoveAsideAndList() {
    bool clean = true;
    for (std::size_t i = 0; i < files_.size(); ++i)
      if (hadOld_[i]) clean = disk_.Remove(AsideOf(files_[i].path)).ok() && clean;
    if (clean) static_cast<void>(disk_.Remove(ListIn(folder_)));
    disk_.SyncFolder(folder_);
  }

  const std::vector<FileImage>& files_;
  FileSystem& disk_;
  const path folder_;
  std::size_t written_ = 0;
  std::vector<bool> hadOld_;  // per file put in place: an old one was moved aside
};

// The list was written, so every new file is whole: each still beside its old one
// takes its place, and then what was moved aside goes. A folder moved aside (as saves
// did before they refused folders in their way) is the user's and stays there.
Status FinishDecidedSave(const path& folder, const std::vector<std::string>& names,
                         FileSystem& disk) {
  for (const std::string& name : names) {
    const path target = folder / name;
    if (!IsFile(NewOf(target), disk)) continue;
    if (disk.Exists(target))
      if (Status s = disk.Rename(target, AsideOf(target)); !s) return s;
    if (Status s = disk.Rename(NewOf(target), target); !s) return s;
  }
  disk.SyncFolder(folder);
  for (const std::string& name : names)
    if (!disk.IsFolder(AsideOf(folder / name)))
      if (Status s = disk.Remove(AsideOf(folder / name)); !s) return s;
  if (Status s = disk.Remove(ListIn(folder)); !s) return s;
  disk.SyncFolder(folder);
  return Status::Ok();
}

// The list never reached its place: the old files stand, and the new ones its list
// names go, then the list. Anything else, folders of such names included, is the
// user's and stays as it is.
Status UndoUndecidedSave(const path& folder, FileSystem& disk) {
  const path list = ListBeingWrittenIn(folder);
  std::optional<Bytes> bytes;
  if (!IsFile(list, disk)) return Status::Ok();
  if (Status s = disk.Read(list, bytes); !s) return s;
  for (const std::string& name : ParseList(bytes ? *bytes : Bytes{}))
    if (IsFile(NewOf(folder / name), disk))
      if (Status s = disk.Remove(NewOf(folder / name)); !s) return s;
  if (Status s = disk.Remove(list); !s) return s;
  disk.SyncFolder(folder);
  return Status::Ok();
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text.empty() ? "yok" : text;
}

// An earlier save still waiting for files to go in holds the folder: a new one would
// replace its list and lose the rest of it. One that only left tidying up, or never
// reached its decision, is ended here as a start would end it.
Status EndEarlierSave(const path& folder, FileSystem& disk) {
  const std::optional<UnfinishedSave> earlier = UnfinishedSaveIn(folder, disk);
  if (earlier && !earlier->waiting.empty())
    return Status::Error("Bu klasöre yapılan önceki bir kayıt yarım kaldı.\n" +
                         UnfinishedSaveText(*earlier) + "\nBu kayıt yapılmadı.");
  if (!earlier && !IsFile(ListBeingWrittenIn(folder), disk)) return Status::Ok();
  if (Status s = FinishHalfDoneSave(folder, disk); !s)
    return Status::Error(s.message() +
                         "\nÖnceki bir kaydın artıkları temizlenemedi; bu kayıt "
                         "yapılmadı.");
  return Status::Ok();
}

}  // namespace

Status SaveAllOrNothing(const std::vector<FileImage>& files, FileSystem& disk) {
  if (files.empty()) return Status::Ok();
  if (Status s = RefuseFoldersInTheWay(files, disk); !s) return s;
  if (Status s = EndEarlierSave(files.front().path.parent_path(), disk); !s) return s;
  return SetSave(files, disk).Run();
}

Status FinishHalfDoneSave(const path& folder, FileSystem& disk) {
  std::optional<Bytes> list;
  if (!disk.IsFolder(ListIn(folder)))  // a folder of the list's name is no list
    if (Status s = disk.Read(ListIn(folder), list); !s) return s;
  if (list)
    if (Status s = FinishDecidedSave(folder, ParseList(*list), disk); !s) return s;
  return UndoUndecidedSave(folder, disk);
}

std::vector<std::string> PendingNewFiles(const path& folder, FileSystem& disk) {
  std::optional<Bytes> list;
  if (!disk.Read(ListIn(folder), list) || !list) return {};
  std::vector<std::string> pending;
  for (const std::string& name : ParseList(*list))
    if (IsFile(NewOf(folder / name), disk)) pending.push_back(name);
  return pending;
}

std::optional<UnfinishedSave> UnfinishedSaveIn(const path& folder, FileSystem& disk) {
  std::optional<Bytes> list;
  if (disk.IsFolder(ListIn(folder)) || !disk.Read(ListIn(folder), list) || !list)
    return std::nullopt;
  UnfinishedSave save;
  for (const std::string& name : ParseList(*list))
    (IsFile(NewOf(folder / name), disk) ? save.waiting : save.replaced).push_back(name);
  return save;
}

std::string UnfinishedSaveText(const UnfinishedSave& save) {
  return "Kayıt yarım kaldı. Yenisi yerine konan dosyalar: " + Joined(save.replaced) +
         ". Yenisi henüz yerine konmayan dosyalar: " + Joined(save.waiting) +
         " (yenileri .YENI uzantısıyla yanlarında bekliyor). Kayıt programın bir sonraki "
         "açılışında tamamlanır; o zamana kadar bu klasöre başka kayıt yapılmaz.";
}

}  // namespace kalvodrin
