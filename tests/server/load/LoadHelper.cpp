// tolvex_server_load_helper: the pieces of scripts/server-load.sh that a shell cannot do.
//   queries N PREFIX        print N valid submissions, each a request target, one per line
//   fill DB N               put N entries into the table a --db value names
//   slow PORT COUNT SECONDS keep COUNT slow clients attached to the loopback port for SECONDS,
//                           opening a new one whenever the server closes one
#include <sys/resource.h>

#include <iostream>
#include <string>
#include <thread>

#include "SlowClients.h"
#include "scores/OnlineRequests.h"
#include "server/ScoreStore.h"

namespace {

using namespace tolvex;

int Queries(int count, const std::string& prefix) {
  for (int i = 0; i < count; ++i) {
    const OnlineRecord record{prefix + " " + std::to_string(i), 1 + i % 100000, "06 Dec 2026/12:00:00", i % 50};
    std::cout << "/" << kOnlinePathPrefix << SubmitQuery(record) << "&funpicbuffer=0\n";
  }
  return 0;
}

int Fill(const std::string& db, int count) {
  std::string error;
  const auto store = OpenScoreStore(db, error);
  if (!store) {
    std::cerr << error << "\n";
    return 1;
  }
  for (int i = 0; i < count; ++i) store->Insert({"filler " + std::to_string(i), 1 + i * 7 % 99991, "t", i % 40});
  return 0;
}

int Slow(int port, int count, int seconds) {
  rlimit files{};
  getrlimit(RLIMIT_NOFILE, &files);
  files.rlim_cur = files.rlim_max;
  setrlimit(RLIMIT_NOFILE, &files);
  SlowClients slow(port, count, 25);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    slow.Step(std::chrono::milliseconds(2000));
    slow.Replace();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  const std::vector<double> closings = slow.ClosedAfter();
  std::cout << "slow clients: " << count << " attached, " << closings.size() << " closed by the server" << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "queries" && argc == 4) return Queries(std::stoi(argv[2]), argv[3]);
  if (command == "fill" && argc == 4) return Fill(argv[2], std::stoi(argv[3]));
  if (command == "slow" && argc == 5) return Slow(std::stoi(argv[2]), std::stoi(argv[3]), std::stoi(argv[4]));
  std::cerr << "usage: tolvex_server_load_helper queries N PREFIX | fill DB N | slow PORT COUNT SECONDS\n";
  return 2;
}
