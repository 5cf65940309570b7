// A scriptable UCI engine for tests. It answers "uci" with id lines and
// "uciok" and "quit" by exiting, unless the script says otherwise, and
// records every line it receives so tests can check the exact commands.
//
//   talvor_test_engine [script [record]]
// or the environment variables TALVOR_TEST_ENGINE_SCRIPT and
// TALVOR_TEST_ENGINE_RECORD. The process id is written to <record>.pid.
//
// Script: blocks of actions, each headed by "on <prefix>"; a received line
// runs the first block whose prefix it starts with ("on start" runs at
// start-up). Actions:
//   print <text>     one line ended by LF      crlf <text>   ended by CR LF
//   partial <text>   no line end               sleep <ms>
//   exit <code>      hang (stop reading, never answer again)
//   flood <count>    info lines at about 100,000 a second
//   garbage <bytes>  random bytes (NUL, CR, invalid UTF-8) and a LF
//   bigline <bytes>  one "info string" line of that many bytes
//   timed <text>     one line; the steady-clock time (ns) it was written at
//                    is appended to <record>.times (for benchmarks)
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Block {
  std::string prefix;
  std::vector<std::string> actions;
};

std::vector<Block> ReadScript(const std::string& path) {
  std::vector<Block> blocks;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("on ", 0) == 0) {
      blocks.push_back({line.substr(3), {}});
    } else if (!blocks.empty()) {
      blocks.back().actions.push_back(line);
    }
  }
  return blocks;
}

void Out(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

[[noreturn]] void Hang() {
  for (;;) pause();
}

std::string gTimesPath;

void Run(const std::string& action) {
  const auto space = action.find(' ');
  const std::string verb = action.substr(0, space);
  const std::string arg = space == std::string::npos ? "" : action.substr(space + 1);
  if (verb == "print") {
    Out(arg + "\n");
  } else if (verb == "crlf") {
    Out(arg + "\r\n");
  } else if (verb == "partial") {
    Out(arg);
  } else if (verb == "sleep") {
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(arg.c_str())));
  } else if (verb == "exit") {
    std::fflush(stdout);
    std::_Exit(std::atoi(arg.c_str()));
  } else if (verb == "hang") {
    std::fflush(stdout);
    Hang();
  } else if (verb == "flood") {
    const long count = std::atol(arg.c_str());
    for (long i = 0; i < count; ++i) {
      Out("info depth " + std::to_string(1 + i % 30) + " score cp " +
          std::to_string(i % 200 - 100) + " nodes " + std::to_string(i * 1000) +
          " pv e2e4 e7e5 g1f3 b8c6\n");
      if (i % 1000 == 999) {
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
  } else if (verb == "garbage") {
    std::mt19937 random(7);
    std::string bytes;
    for (long i = std::atol(arg.c_str()); i > 0; --i) bytes += static_cast<char>(random() & 0xff);
    Out(bytes + "\n");
  } else if (verb == "timed") {
    std::fflush(stdout);
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    Out(arg + "\n");
    std::fflush(stdout);
    if (!gTimesPath.empty())
      std::ofstream(gTimesPath, std::ios::app)
          << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << "\n";
  } else if (verb == "bigline") {
    Out("info string " + std::string(std::atol(arg.c_str()), 'x') + "\n");
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  const char* scriptEnv = std::getenv("TALVOR_TEST_ENGINE_SCRIPT");
  const char* recordEnv = std::getenv("TALVOR_TEST_ENGINE_RECORD");
  const std::string script = argc > 1 ? argv[1] : scriptEnv ? scriptEnv : "";
  const std::string record = argc > 2 ? argv[2] : recordEnv ? recordEnv : "";
  const std::vector<Block> blocks = script.empty() ? std::vector<Block>{} : ReadScript(script);
  std::ofstream log;
  if (!record.empty()) {
    log.open(record, std::ios::app);
    std::ofstream(record + ".pid") << getpid() << "\n";
    gTimesPath = record + ".times";
  }

  const auto handle = [&](const std::string& line) {
    for (const Block& block : blocks) {
      if (line.rfind(block.prefix, 0) == 0) {
        for (const std::string& action : block.actions) Run(action);
        std::fflush(stdout);
        return;
      }
    }
    if (line == "uci") {
      Out("id name Talvor Test Engine\nid author The Talvor Team\nuciok\n");
    } else if (line == "quit") {
      std::fflush(stdout);
      std::_Exit(0);
    }
    std::fflush(stdout);
  };

  handle("start");
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (log.is_open()) log << line << std::endl;
    handle(line);
  }
  return 0;
}
