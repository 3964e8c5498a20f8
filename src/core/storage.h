#pragma once
// Loading and saving the data files of the school's working folder.
//
// Each collection file is its records one after another, no header: a file of n
// whole records loads as n records in file order; bytes after the last whole record
// are ignored. A missing file is created empty (DUDIZIR1.LOF with 250 zero bytes,
// DUDIZIRQ.LOF with the default settings) and the collection starts empty.
// A failed load leaves the collection as it was; a failed save leaves the old file
// whole. Either returns the operating system's message.

#include <array>
#include <cstddef>
#include <vector>

#include "core/data_files.h"
#include "core/file_io.h"
#include "core/file_set_save.h"
#include "core/file_system.h"
#include "core/school.h"
#include "core/status.h"

namespace kalvodrin {

Status LoadLessonGroups(School& school);
Status LoadLessons(School& school);
Status LoadClasses(School& school);
Status LoadRooms(School& school);
Status LoadTeachers(School& school);
Status LoadAnnexFlags(School& school);
Status LoadClassLessons(School& school);
Status LoadCommonGroups(School& school);
Status LoadDutyPlaces(School& school);
Status LoadDuties(School& school);
Status LoadTeacherLessons(School& school);
Status LoadTeacherGrids(School& school);
Status LoadClassGrids(School& school);
Status LoadRoomGrids(School& school);
Status LoadSettings(School& school);

Status SaveLessonGroups(const School& school);
Status SaveLessons(const School& school);
Status SaveClasses(const School& school);
Status SaveRooms(const School& school);
Status SaveTeachers(const School& school);
Status SaveAnnexFlags(const School& school);
Status SaveClassLessons(const School& school);
Status SaveCommonGroups(const School& school);
Status SaveDutyPlaces(const School& school);
Status SaveDuties(const School& school);
Status SaveTeacherLessons(const School& school);
Status SaveTeacherGrids(const School& school);
Status SaveClassGrids(const School& school);
Status SaveRoomGrids(const School& school);
Status SaveSettings(const School& school);

Status LoadFile(School& school, DataFile file);
Status SaveFile(const School& school, DataFile file);

// The bytes SaveFile writes for the file: every record in collection order, the grid
// link slots zero.
Bytes DataFileImage(const School& school, DataFile file);

// The files SaveFiles writes for the set, for a save that puts other files beside
// them in the same all-or-nothing step.
std::vector<FileImage> DataFileImages(const School& school, const FileSet& files);
std::vector<FileImage> DataFileImages(const School& school, const FileSet& files, FileSystem& disk);

// Rewrites every file of the set, all or nothing (see file_set_save.h): on failure the
// folder keeps every old file and the error says why. Every saver goes through here.
Status SaveFiles(const School& school, const FileSet& files);
Status SaveFiles(const School& school, const FileSet& files, FileSystem& disk);

// Bytes after the last whole record of each file, as found by the last LoadSchool.
using TailBytes = std::array<std::size_t, kDataFileCount>;

// Creates the working folder when missing, finishes or undoes a save that a crash left
// half done, empties the school and loads every file in start-up order, then
// reindexes. On failure the school is left as it was.
Status LoadSchool(School& school, TailBytes* tails = nullptr);
Status LoadSchool(School& school, FileSystem& disk, TailBytes* tails = nullptr);

// LoadSchool for looking only (checks, exports, backups on read-only media): writes
// nothing. A missing working folder is an error; a missing file loads as it would be
// created (empty, or the default record) but is not created; a save a crash left half
// done reads as the start-up would finish it.
Status LoadSchoolWithoutWriting(School& school, TailBytes* tails = nullptr);
Status LoadSchoolWithoutWriting(School& school, FileSystem& disk, TailBytes* tails = nullptr);

}  // namespace kalvodrin
