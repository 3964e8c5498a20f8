#pragma once
// A small minimum-cost flow on a graph of a few thousand edges: the duty proposal
// asks it for the cheapest way to fill every slot, the substitution plan for the
// cheapest way to cover every hour of an absent teacher. Successive shortest paths with
// Bellman-Ford queues, so that a path found is always the cheapest left; the same
// graph built in the same order always gives the same flow.

#include <cstdint>
#include <vector>

namespace kalvodrin {

class MinCostFlow {
 public:
  explicit MinCostFlow(int nodes) : adjacent_(static_cast<std::size_t>(nodes)) {}

  // Returns the edge's id, for FlowOn.
  int AddEdge(int from, int to, int capacity, int64_t cost);

  // Sends as much as it can from `source` to `sink`, each unit along the cheapest
  // path left. Returns the flow sent.
  int Run(int source, int sink);

  int FlowOn(int edge) const { return edges_[static_cast<std::size_t>(edge)].flow; }

 private:
  struct Edge {
    int to;
    int capacity;
    int flow;
    int64_t cost;
  };
  std::vector<Edge> edges_;  // edge e and its reverse e ^ 1
  std::vector<std::vector<int>> adjacent_;
};

}  // namespace kalvodrin
