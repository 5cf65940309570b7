// Perft speed of the rules library against Stockfish's "go perft" on the
// same positions, in the same run.
//
//   perft_bench [stockfish]   (default /usr/games/stockfish, else
//                              "stockfish" on the PATH)
//
// For each position it prints the nodes per second of both and their
// ratio; the last line is "ratio to stockfish: <the smaller ratio>".
// Stockfish's time runs from sending "go perft" to its "Nodes searched"
// line, so its start-up is not counted. Each side gets the best of three
// runs. Exits with status 1 when a node count is wrong or Stockfish
// cannot be run.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "chess/chess.h"

namespace {

struct Case {
  const char* name;
  const char* fen;
  int depth;
  uint64_t nodes;
};

constexpr Case kCases[] = {
    {"start", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 6, 119060324},
    {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 5,
     193690690},
};
constexpr int kRuns = 3;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// A UCI engine on two pipes.
class Engine {
 public:
  bool Start(const std::string& path) {
    int toEngine[2];
    int fromEngine[2];
    if (pipe(toEngine) != 0 || pipe(fromEngine) != 0) return false;
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
      dup2(toEngine[0], STDIN_FILENO);
      dup2(fromEngine[1], STDOUT_FILENO);
      close(toEngine[1]);
      close(fromEngine[0]);
      execlp(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(toEngine[0]);
    close(fromEngine[1]);
    in_ = toEngine[1];
    out_ = fdopen(fromEngine[0], "r");
    return out_ != nullptr && Send("uci") && !WaitFor("uciok").empty() && Send("isready") &&
           !WaitFor("readyok").empty();
  }

  ~Engine() {
    if (pid_ <= 0) return;
    Send("quit");
    close(in_);
    if (out_ != nullptr) fclose(out_);
    waitpid(pid_, nullptr, 0);
  }

  bool Send(const std::string& command) {
    const std::string line = command + "\n";
    return write(in_, line.data(), line.size()) == static_cast<ssize_t>(line.size());
  }

  // Reads lines until one starts with the prefix; returns it, or "" at end.
  std::string WaitFor(const std::string& prefix) {
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, out_) != nullptr) {
      if (std::strncmp(buffer, prefix.c_str(), prefix.size()) == 0) return buffer;
    }
    return "";
  }

 private:
  pid_t pid_ = -1;
  int in_ = -1;
  FILE* out_ = nullptr;
};

std::string FindStockfish(int argc, char** argv) {
  if (argc > 1) return argv[1];
  if (access("/usr/games/stockfish", X_OK) == 0) return "/usr/games/stockfish";
  return "stockfish";
}

}  // namespace

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);
  ChessInit();
  Engine stockfish;
  if (!stockfish.Start(FindStockfish(argc, argv))) {
    std::fprintf(stderr, "cannot run stockfish\n");
    return 1;
  }
  std::printf("%-9s %5s %11s %12s %14s %7s\n", "position", "depth", "nodes", "talvor Mnps",
              "stockfish Mnps", "ratio");
  double worst = 1e9;
  for (const Case& c : kCases) {
    BoardRecord board{};
    ChessFen2Board(board, c.fen);
    double ours = 1e9;
    double theirs = 1e9;
    for (int run = 0; run < kRuns; ++run) {
      const Clock::time_point start = Clock::now();
      const uint64_t nodes = ChessPerft(board, c.depth);
      ours = std::min(ours, Seconds(start));
      if (nodes != c.nodes) {
        std::fprintf(stderr, "%s: %llu nodes, expected %llu\n", c.name,
                     static_cast<unsigned long long>(nodes),
                     static_cast<unsigned long long>(c.nodes));
        return 1;
      }
      stockfish.Send(std::string("position fen ") + c.fen);
      stockfish.Send("isready");
      stockfish.WaitFor("readyok");
      const Clock::time_point sent = Clock::now();
      stockfish.Send("go perft " + std::to_string(c.depth));
      const std::string searched = stockfish.WaitFor("Nodes searched");
      theirs = std::min(theirs, Seconds(sent));
      if (searched.empty() || std::stoull(searched.substr(searched.find(':') + 1)) != c.nodes) {
        std::fprintf(stderr, "%s: stockfish gave no or another node count\n", c.name);
        return 1;
      }
    }
    const double ourRate = static_cast<double>(c.nodes) / ours / 1e6;
    const double theirRate = static_cast<double>(c.nodes) / theirs / 1e6;
    const double ratio = ourRate / theirRate;
    worst = std::min(worst, ratio);
    std::printf("%-9s %5d %11llu %12.1f %14.1f %7.2f\n", c.name, c.depth,
                static_cast<unsigned long long>(c.nodes), ourRate, theirRate, ratio);
  }
  std::printf("ratio to stockfish: %.2f\n", worst);
  return 0;
}
