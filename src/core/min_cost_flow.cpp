#include "core/min_cost_flow.h"

#include <deque>
#include <limits>

namespace kalvodrin {

int MinCostFlow::AddEdge(int from, int to, int capacity, int64_t cost) {
  const int id = static_cast<int>(edges_.size());
  edges_.push_back({to, capacity, 0, cost});
  edges_.push_back({from, 0, 0, -cost});
  adjacent_[static_cast<std::size_t>(from)].push_back(id);
  adjacent_[static_cast<std::size_t>(to)].push_back(id + 1);
  return id;
}

int MinCostFlow::Run(int source, int sink) {
  constexpr int64_t kFar = std::numeric_limits<int64_t>::max();
  const std::size_t n = adjacent_.size();
  int sent = 0;
  while (true) {
    std::vector<int64_t> dist(n, kFar);
    std::vector<int> via(n, -1);
    std::vector<bool> queued(n, false);
    std::deque<int> queue{source};
    dist[static_cast<std::size_t>(source)] = 0;
    while (!queue.empty()) {
      const auto u = static_cast<std::size_t>(queue.front());
      queue.pop_front();
      queued[u] = false;
      for (int e : adjacent_[u]) {
        const Edge& edge = edges_[static_cast<std::size_t>(e)];
        const auto v = static_cast<std::size_t>(edge.to);
        if (edge.flow < edge.capacity && dist[u] + edge.cost < dist[v]) {
          dist[v] = dist[u] + edge.cost;
          via[v] = e;
          if (!queued[v]) {
            queued[v] = true;
            queue.push_back(edge.to);
          }
        }
      }
    }
    if (dist[static_cast<std::size_t>(sink)] == kFar) return sent;
    // One unit at a time: the teachers' costs rise with every duty they take.
    for (int v = sink; v != source;) {
      const int e = via[static_cast<std::size_t>(v)];
      ++edges_[static_cast<std::size_t>(e)].flow;
      --edges_[static_cast<std::size_t>(e ^ 1)].flow;
      v = edges_[static_cast<std::size_t>(e ^ 1)].to;
    }
    ++sent;
  }
}

}  // namespace kalvodrin
