#pragma once
// What the server counts for its operators, served as Prometheus text on /metrics.
#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

namespace tolvex {

class ServerMetrics {
 public:
  // One answered request on a route ("get.php", "leaderboard", …) with its HTTP status.
  void CountRequest(std::string_view route, int status);
  // One request or connection turned away, by reason ("flood", "connection_cap", "deadline", …).
  void CountRefusal(std::string_view reason);
  void ConnectionOpened();
  void ConnectionClosed();
  // How long one piece of store work took ("insert", "best", "ping").
  void ObserveStore(std::string_view operation, double seconds);

  // Every metric in Prometheus' text format.
  std::string Text() const;

 private:
  // Upper bounds of the store latency buckets, in seconds; one more bucket takes the rest.
  static constexpr std::array<double, 12> kBounds = {0.0005, 0.001, 0.0025, 0.005, 0.01, 0.025,
                                                     0.05,   0.1,   0.25,   0.5,   1.0,  2.5};
  struct Histogram {
    std::array<std::uint64_t, kBounds.size()> below{};
    std::uint64_t count = 0;
    double sum = 0;
  };

  mutable std::mutex mutex_;
  std::map<std::pair<std::string, int>, std::uint64_t> requests_;
  std::map<std::string, std::uint64_t, std::less<>> refusals_;
  std::map<std::string, Histogram, std::less<>> store_;
  std::int64_t openConnections_ = 0;
};

}  // namespace tolvex
