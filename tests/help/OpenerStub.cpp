// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "OpenerStub.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace pellucor::testing {

namespace {
constexpr char Variable[] = "PELLUCOR_OPENER_STUB_DIR";
}

OpenerStub::OpenerStub(const std::string& behaviour) {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellucor-opener-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create the stub directory");
    dir_ = pattern;
    SetBehaviour(behaviour);
    if (const char* old = std::getenv(Variable)) previous_ = old;
    setenv(Variable, dir_.c_str(), 1);
}

OpenerStub::~OpenerStub() {
    if (previous_)
        setenv(Variable, previous_->c_str(), 1);
    else
        unsetenv(Variable);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

void OpenerStub::SetBehaviour(const std::string& behaviour) {
    // Replaced whole, so that an opener starting meanwhile reads the old or the new line.
    std::ofstream(dir_ / "behaviour.part") << behaviour << '\n';
    std::filesystem::rename(dir_ / "behaviour.part", dir_ / "behaviour");
}

bool OpenerStub::WasStarted() const {
    return std::filesystem::exists(dir_ / "args");
}

std::vector<std::string> OpenerStub::Arguments() const {
    std::ifstream in(dir_ / "args", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> args;
    std::string::size_type start = 0;
    for (auto end = all.find('\0'); end != std::string::npos; end = all.find('\0', start)) {
        args.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

std::optional<pid_t> OpenerStub::Pid() const {
    for (int attempt = 0; attempt < 400; ++attempt) {
        std::ifstream in(dir_ / "pid");
        pid_t pid = 0;
        if (in >> pid) return pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

}  // namespace pellucor::testing
