#pragma once

// Small .xls workbooks written by an independent writer (python3-xlwt through
// tests/data/make_xls_fixtures.py) into a temporary folder, once per test
// program; the folder is removed when the program ends.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace velmora::testing {

class XlsFixtures {
public:
    static const std::string& folder() {
        static XlsFixtures fixtures;
        return fixtures.folder_;
    }
    static std::string path(const std::string& name) { return folder() + "/" + name; }

private:
    XlsFixtures() {
        char pattern[] = "/tmp/velmora-xls-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        folder_ = pattern;
        const std::string command =
            "/usr/bin/python3 '" SOURCE_DIR "/tests/data/make_xls_fixtures.py' '" + folder_ + "'";
        if (std::system(command.c_str()) != 0) {
            throw std::runtime_error("make_xls_fixtures.py failed: " + command);
        }
    }
    ~XlsFixtures() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string folder_;
};

}  // namespace velmora::testing
