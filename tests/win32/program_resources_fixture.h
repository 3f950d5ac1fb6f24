// The built Vorrith.scr opened as a data file, for tests that read its resources as
// compiled rather than as written in the resource scripts.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace vorrith {

class ProgramResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = LoadLibraryExA(VORRITH_SCR_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(program, nullptr) << VORRITH_SCR_PATH;
    }
    void TearDown() override { FreeLibrary(program); }

    std::string String(UINT id) {
        char text[260] = {};
        LoadStringA(program, id, text, sizeof text);
        return text;
    }
    // The resource's bytes, or "" when the program has none of that name and type.
    std::string Resource(LPCSTR name, LPCSTR type) {
        const HRSRC found = FindResourceA(program, name, type);
        if (found == nullptr) return {};
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
        return std::string(bytes, SizeofResource(program, found));
    }

    HMODULE program = nullptr;
};

}  // namespace vorrith
