#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"

// A file is replaced so that a failed or cut write loses nothing: the new content is written
// beside the old file under a temporary name and moved over it in one step.

// The temporary name: After Effects loads only files ending in .aex, so it never sees it.
std::wstring PartialFile(const std::wstring& file);

// Moves the partial file, written whole, over the file; a partial file that cannot be moved is
// removed. 0 or the Windows error of the move: a file that a running program holds cannot be
// replaced.
uint32_t MoveIntoPlace(pelsdk::platform::file_system& files, const std::wstring& partial,
                       const std::wstring& file);
