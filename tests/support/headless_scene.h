#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/test_imaging.h"

// A simulated machine whose drives live in a fresh folder, with helpers to arrange and inspect
// its files by their Windows paths; its windows are scripted and draw into its recording backend.
class HeadlessScene {
public:
    std::vector<unsigned char> ReadFile(const std::wstring& windowsPath) const {
        std::ifstream in(machine.files.host_path(windowsPath), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WriteFile(const std::wstring& windowsPath, const std::string& text) {
        MakeFolder(ParentOf(windowsPath));
        std::ofstream(machine.files.host_path(windowsPath), std::ios::binary) << text;
    }
    void MakeFolder(const std::wstring& windowsPath) {
        std::filesystem::create_directories(machine.files.host_path(windowsPath));
    }
    bool IsFolder(const std::wstring& windowsPath) const {
        return std::filesystem::is_directory(machine.files.host_path(windowsPath));
    }

    TempFolder root;
    pelsdk::platform::headless_machine machine{root.path(), TestImaging()};
    pelsdk::platform::services& os = machine.services_of();

private:
    static std::wstring ParentOf(const std::wstring& path) {
        return path.substr(0, path.find_last_of(L'\\'));
    }
};

class HeadlessTest : public ::testing::Test, public HeadlessScene {};
