#include "installer/engine/file_replacement.h"

std::wstring PartialFile(const std::wstring& file) { return file + L".partial"; }

uint32_t MoveIntoPlace(pelsdk::platform::file_system& files, const std::wstring& partial,
                       const std::wstring& file) {
    const uint32_t error = files.replace_file(partial, file);
    if (error != 0) files.delete_file(partial);
    return error;
}
