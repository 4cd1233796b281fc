#include "server/ServerMetrics.h"

#include <cstdio>

namespace tolvex {

namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

}  // namespace

void ServerMetrics::CountRequest(std::string_view route, int status) {
  const std::lock_guard lock(mutex_);
  ++requests_[{std::string(route), status}];
}

void ServerMetrics::CountRefusal(std::string_view reason) {
  const std::lock_guard lock(mutex_);
  const auto found = refusals_.find(reason);
  if (found != refusals_.end()) ++found->second;
  else refusals_.emplace(std::string(reason), 1);
}

void ServerMetrics::ConnectionOpened() {
  const std::lock_guard lock(mutex_);
  ++openConnections_;
}

void ServerMetrics::ConnectionClosed() {
  const std::lock_guard lock(mutex_);
  --openConnections_;
}

void ServerMetrics::ObserveStore(std::string_view operation, double seconds) {
  const std::lock_guard lock(mutex_);
  auto found = store_.find(operation);
  if (found == store_.end()) found = store_.emplace(std::string(operation), Histogram{}).first;
  Histogram& histogram = found->second;
  for (std::size_t i = 0; i < kBounds.size(); ++i)
    if (seconds <= kBounds[i]) ++histogram.below[i];
  ++histogram.count;
  histogram.sum += seconds;
}

std::string ServerMetrics::Text() const {
  const std::lock_guard lock(mutex_);
  std::string text =
      "# HELP tolvex_highscore_requests_total Requests answered, by route and HTTP status.\n"
      "# TYPE tolvex_highscore_requests_total counter\n";
  for (const auto& [key, count] : requests_) {
    text += "tolvex_highscore_requests_total{route=\"" + key.first + "\",status=\"" + std::to_string(key.second) +
            "\"} " + std::to_string(count) + "\n";
  }
  text +=
      "# HELP tolvex_highscore_refusals_total Requests and connections turned away, by reason.\n"
      "# TYPE tolvex_highscore_refusals_total counter\n";
  for (const auto& [reason, count] : refusals_)
    text += "tolvex_highscore_refusals_total{reason=\"" + reason + "\"} " + std::to_string(count) + "\n";
  text +=
      "# HELP tolvex_highscore_open_connections Client connections open now.\n"
      "# TYPE tolvex_highscore_open_connections gauge\n"
      "tolvex_highscore_open_connections " + std::to_string(openConnections_) + "\n" +
      "# HELP tolvex_highscore_store_seconds Time the store took for one piece of work.\n"
      "# TYPE tolvex_highscore_store_seconds histogram\n";
  for (const auto& [operation, histogram] : store_) {
    const std::string name = "tolvex_highscore_store_seconds";
    const std::string label = "operation=\"" + operation + "\"";
    for (std::size_t i = 0; i < kBounds.size(); ++i) {
      text += name + "_bucket{" + label + ",le=\"" + Number(kBounds[i]) + "\"} " + std::to_string(histogram.below[i]) + "\n";
    }
    text += name + "_bucket{" + label + ",le=\"+Inf\"} " + std::to_string(histogram.count) + "\n";
    text += name + "_sum{" + label + "} " + Number(histogram.sum) + "\n";
    text += name + "_count{" + label + "} " + std::to_string(histogram.count) + "\n";
  }
  return text;
}

}  // namespace tolvex
